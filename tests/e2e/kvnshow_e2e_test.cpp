// Runs the built kvnshow once per case file under cases/<theme>/<name>.case and
// compares its standard output, exit status and requested pauses with the case,
// and its standard error with nothing. The test of a case is <theme>.<name>.
//
// Built with KVN_E2E_WINE, it runs the Windows build's kvnshow_fake_sleep.exe
// under Wine instead (README.md beside this file says what differs there).
//
// With KVN_UPDATE_GOLDEN=1 in the environment, each case file's expected output
// is replaced by what the program wrote; the other checks still apply.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "e2e/case_file.h"
#include "e2e/kvnshow_runner.h"
#include "e2e/output_diff.h"
#include "e2e/output_events.h"
#include "e2e/output_mask.h"
#include "e2e/program_run.h"

namespace kvn::e2e {
namespace {

namespace fs = std::filesystem;

std::string joined(const std::vector<std::string>& words) {
  std::string text;
  for (const std::string& word : words) {
    text += text.empty() ? "" : " ";
    text += word;
  }
  return text.empty() ? "(none)" : text;
}

bool isPlainName(const std::string& name) {
  return !name.empty() && std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
}

class CaseTest : public testing::Test {
 public:
  explicit CaseTest(fs::path caseFile) : caseFile_(std::move(caseFile)) {}

  void TestBody() override {
    if (!cannotRunReason().empty()) {
      GTEST_SKIP() << cannotRunReason();
    }
    ParsedCase parsed = parseCaseFile(readWholeFile(caseFile_));
    ASSERT_TRUE(parsed.error.empty()) << caseFile_.string() << ": " << parsed.error;
    const E2eCase& testCase = parsed.testCase;
    if (!missingLibraryReason(testCase.library).empty()) {
      GTEST_SKIP() << missingLibraryReason(testCase.library);
    }
    KvnshowRun run;
    run.arguments = testCase.arguments;
    run.programName = testCase.programName;
    run.environment = testCase.environment;
    run.windowsEnvironment = testCase.windowsEnvironment;
    run.dataOnStandardOutput = testCase.expectedStderr.has_value();
    run.library = testCase.library;
    const KvnshowOutcome ran = runKvnshow(run);
    const ProgramOutcome& outcome = ran.program;

    std::string command = "kvnshow";
    for (const std::string& argument : testCase.arguments) {
      command += " " + visibleBytes(argument);
    }
    SCOPED_TRACE(caseFile_.string() + "\n  ran: " + command);
    ASSERT_TRUE(outcome.failure.empty()) << outcome.failure;
    ASSERT_TRUE(outcome.exited) << "ended by signal " << outcome.signal;

    EXPECT_EQ(outcome.exitStatus, testCase.exitStatus) << "exit status";
    EXPECT_EQ(ran.textModeProblem, "") << "standard output in text mode";
    if (testCase.expectedStderr) {
      // The lines a text listing writes are on standard error, flushed ahead
      // of the same calls; the data is flushed fax by fax.
      std::string difference = describeFirstDifference(
          *testCase.expectedStderr, maskOutput(outcome.standardError, testCase.masks));
      EXPECT_TRUE(difference.empty()) << "standard error: " << difference;
      std::vector<OutputEvent> announced;
      std::copy_if(ran.calls.begin(), ran.calls.end(), std::back_inserter(announced),
                   [](const OutputEvent& call) { return call.what != "KvnLoadFax3"; });
      EXPECT_EQ(checkCallsFollowFlushedLines(outcome.standardError, onStandardError(announced)),
                "");
      EXPECT_EQ(checkDataFlushedPerFax(outcome.standardOutput, ran.calls), "");
      EXPECT_EQ(checkListingStartBeforeData(outcome.standardError, ran.calls), "");
    } else {
      EXPECT_TRUE(outcome.standardError.empty())
          << "standard error must stay empty, got " << visibleBytes(outcome.standardError);
      EXPECT_EQ(checkPausesFollowFlushedFailures(outcome.standardOutput, ran.pauses), "");
      EXPECT_EQ(checkCallsFollowFlushedLines(outcome.standardOutput, ran.calls), "");
    }
    EXPECT_EQ(ran.logProblem, "");
    std::vector<std::string> pauses;
    pauses.reserve(ran.pauses.size());
    for (const OutputEvent& pause : ran.pauses) {
      pauses.push_back(pause.what);
    }
    EXPECT_EQ(pauses, testCase.pauses) << "requested pauses (ms): expected "
                                       << joined(testCase.pauses) << ", actual " << joined(pauses);
    if (testCase.library == ClientLibrary::Standin ||
        testCase.library == ClientLibrary::StandinCopy) {
      EXPECT_FALSE(ran.calls.empty()) << "the client library traced no call";
    } else {
      EXPECT_TRUE(ran.calls.empty())
          << "the program loaded a stand-in all the same: the build's, or the one in the "
             "folder it was started from";
    }

    std::string actualStdout = maskOutput(outcome.standardOutput, testCase.masks);
    const char* update = std::getenv("KVN_UPDATE_GOLDEN");
    if (underWine()) {
      // The case files keep the Linux output; differences are stated in them.
      std::string problem;
      const std::string expected = expectedUnderWindows(testCase, problem);
      EXPECT_EQ(problem, "");
      if (testCase.fromFirstLine) {
        actualStdout = outputFromFirstLineOf(actualStdout, expected);
      }
      std::string difference = describeFirstDifference(expected, actualStdout);
      EXPECT_TRUE(difference.empty()) << difference;
      return;
    }
    if (testCase.fromFirstLine) {
      actualStdout = outputFromFirstLineOf(actualStdout, testCase.expectedStdout);
    }
    if (update != nullptr && std::string(update) == "1") {
      std::ofstream file(caseFile_, std::ios::binary | std::ios::trunc);
      file << testCase.header;
      if (testCase.expectedStderr) {
        file << maskOutput(outcome.standardError, testCase.masks) << kStdoutSeparator << '\n';
      }
      file << actualStdout;
      return;
    }
    std::string difference = describeFirstDifference(testCase.expectedStdout, actualStdout);
    EXPECT_TRUE(difference.empty()) << difference;
  }

 private:
  fs::path caseFile_;
};

// Checks the layout of the cases folder, so that a misplaced or misnamed file
// is reported rather than silently not run.
class CaseLayoutTest : public testing::Test {
 public:
  CaseLayoutTest(std::vector<std::string> problems, std::size_t caseCount)
      : problems_(std::move(problems)), caseCount_(caseCount) {}

  void TestBody() override {
    EXPECT_GT(caseCount_, 0U) << "no case files under " << casesDirectory();
    for (const std::string& problem : problems_) {
      ADD_FAILURE() << problem;
    }
  }

 private:
  std::vector<std::string> problems_;
  std::size_t caseCount_;
};

// Registers one test made by factory. gtest keeps the factory for the life of
// the process; the static analyzer cannot see that and would report a leak.
template <typename Factory>
void registerTest(const std::string& suite, const std::string& name, Factory factory) {
#ifdef __clang_analyzer__
  (void)suite;
  (void)name;
  (void)factory;
#else
  testing::RegisterTest(suite.c_str(), name.c_str(), nullptr, nullptr, __FILE__, __LINE__,
                        std::move(factory));
#endif
}

struct CaseFile {
  std::string theme;
  std::string name;
  fs::path path;
};

void registerCases() {
  std::vector<CaseFile> cases;
  std::vector<std::string> problems;
  std::error_code error;
  for (fs::recursive_directory_iterator entry(casesDirectory(), error), end; !error && entry != end;
       entry.increment(error)) {
    if (entry->is_directory()) {
      continue;
    }
    const fs::path& path = entry->path();
    fs::path relative = path.lexically_relative(casesDirectory());
    std::string theme = relative.parent_path().string();
    std::string name = path.stem().string();
    if (path.extension() != ".case" || std::distance(relative.begin(), relative.end()) != 2 ||
        !isPlainName(theme) || !isPlainName(name)) {
      problems.push_back(
          "not a case file named cases/<theme>/<name>.case with lower-case "
          "letters, digits and underscores: " +
          relative.string());
      continue;
    }
    cases.push_back({theme, name, path});
  }
  if (error) {
    problems.push_back("cannot read " + casesDirectory().string() + ": " + error.message());
  }
  std::sort(cases.begin(), cases.end(), [](const CaseFile& left, const CaseFile& right) {
    return std::tie(left.theme, left.name) < std::tie(right.theme, right.name);
  });
  registerTest("case_layout", "files", [problems, count = cases.size()]() -> testing::Test* {
    return new CaseLayoutTest(problems, count);
  });
  for (const CaseFile& found : cases) {
    registerTest(found.theme, found.name,
                 [path = found.path]() -> testing::Test* { return new CaseTest(path); });
  }
}

// Registered before gtest_main runs the tests.
const bool kCasesRegistered = (registerCases(), true);

}  // namespace
}  // namespace kvn::e2e
