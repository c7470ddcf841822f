// Runs the built kvnshow once per case file under cases/<theme>/<name>.case and
// compares its standard output, exit status and requested pauses with the case,
// and its standard error with nothing. The test of a case is <theme>.<name>.
//
// With KVN_UPDATE_GOLDEN=1 in the environment, each case file's expected output
// is replaced by what the program wrote; the other checks still apply.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "e2e/case_file.h"
#include "e2e/output_diff.h"
#include "e2e/output_events.h"
#include "e2e/output_mask.h"
#include "e2e/program_run.h"
#include "e2e/sanitizer_environment.h"

namespace kvn::e2e {
namespace {

namespace fs = std::filesystem;

const fs::path kProgram = KVN_E2E_PROGRAM;
const fs::path kFakeSleepLibrary = KVN_E2E_FAKE_SLEEP_LIBRARY;
const fs::path kCasesDirectory = KVN_E2E_CASES_DIR;
// The program runs in the folder above the server descriptions and finds them
// through a relative KVNSIM_SERVERS, so texts that name a description file are
// the same on every machine.
const fs::path kServersDirectory = KVN_E2E_SERVERS_DIR;

std::string readWholeFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

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

// The program's whole environment: the sanitizers' settings when the runner has
// them, the defaults, then the case's own settings.
std::vector<std::string> environmentFor(const E2eCase& testCase, const fs::path& pauseLog,
                                        const fs::path& callTrace) {
  std::vector<std::pair<std::string, std::string>> settings = {
      {"PATH", "/usr/bin:/bin"},
      {"KVNSIM_SERVERS", kServersDirectory.filename().string()},
      {"LD_PRELOAD", kFakeSleepLibrary.string()},
      {"KVN_FAKE_SLEEP_LOG", pauseLog.string()},
      {"KVNSIM_TRACE", callTrace.string()},
      {"TZ", "UTC"},
  };
  for (const auto& [name, value] : testCase.environment) {
    auto same = std::find_if(settings.begin(), settings.end(),
                             [&name = name](const auto& setting) { return setting.first == name; });
    if (same == settings.end()) {
      settings.emplace_back(name, value);
    } else {
      same->second = value;
    }
  }
  std::vector<std::string> environment = sanitizerEnvironment();
  environment.reserve(environment.size() + settings.size());
  for (const auto& [name, value] : settings) {
    environment.push_back(name);
    environment.back().append("=").append(value);
  }
  return environment;
}

// A fresh folder for one run's captured output, removed with the object.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern = (fs::temp_directory_path() / "kvnshow_e2e_XXXXXX").string();
    if (mkdtemp(pattern.data()) != nullptr) {
      path_ = pattern;
    }
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    if (!path_.empty()) {
      fs::remove_all(path_, ignored);
    }
  }
  ScratchDirectory(const ScratchDirectory&) = delete;
  ScratchDirectory& operator=(const ScratchDirectory&) = delete;

  [[nodiscard]] const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

class CaseTest : public testing::Test {
 public:
  explicit CaseTest(fs::path caseFile) : caseFile_(std::move(caseFile)) {}

  void TestBody() override {
    ParsedCase parsed = parseCaseFile(readWholeFile(caseFile_));
    ASSERT_TRUE(parsed.error.empty()) << caseFile_.string() << ": " << parsed.error;
    const E2eCase& testCase = parsed.testCase;
    ASSERT_TRUE(fs::is_regular_file(kProgram)) << "not built: " << kProgram;
    ASSERT_TRUE(fs::is_regular_file(kFakeSleepLibrary)) << "not built: " << kFakeSleepLibrary;
    ScratchDirectory scratch;
    ASSERT_FALSE(scratch.path().empty()) << "cannot create a scratch folder";
    fs::path pauseLog = scratch.path() / "pauses.log";
    fs::path callTrace = scratch.path() / "calls.log";

    ProgramRun run;
    run.executable = kProgram;
    run.argumentVector.push_back(testCase.programName.value_or(kProgram.string()));
    run.argumentVector.insert(run.argumentVector.end(), testCase.arguments.begin(),
                              testCase.arguments.end());
    run.environment = environmentFor(testCase, pauseLog, callTrace);
    run.workingDirectory = kServersDirectory.parent_path();
    run.scratchDirectory = scratch.path();
    ProgramOutcome outcome = runProgram(run);

    std::string command = "kvnshow";
    for (const std::string& argument : testCase.arguments) {
      command += " " + visibleBytes(argument);
    }
    SCOPED_TRACE(caseFile_.string() + "\n  ran: " + command);
    ASSERT_TRUE(outcome.failure.empty()) << outcome.failure;
    ASSERT_TRUE(outcome.exited) << "ended by signal " << outcome.signal;

    EXPECT_EQ(outcome.exitStatus, testCase.exitStatus) << "exit status";
    EXPECT_TRUE(outcome.standardError.empty())
        << "standard error must stay empty, got " << visibleBytes(outcome.standardError);
    std::string logProblem;
    const std::vector<OutputEvent> logged = parseEventLog(readWholeFile(pauseLog), logProblem);
    EXPECT_EQ(logProblem, "") << "pause log";
    std::vector<std::string> pauses;
    pauses.reserve(logged.size());
    for (const OutputEvent& pause : logged) {
      pauses.push_back(pause.what);
    }
    EXPECT_EQ(pauses, testCase.pauses) << "requested pauses (ms): expected "
                                       << joined(testCase.pauses) << ", actual " << joined(pauses);
    EXPECT_EQ(checkPausesFollowFlushedFailures(outcome.standardOutput, logged), "");
    const std::vector<OutputEvent> calls = parseEventLog(readWholeFile(callTrace), logProblem);
    EXPECT_EQ(logProblem, "") << "library call trace";
    EXPECT_FALSE(calls.empty()) << "the client library traced no call";
    EXPECT_EQ(checkCallsFollowFlushedLines(outcome.standardOutput, calls), "");

    std::string actualStdout = maskOutput(outcome.standardOutput, testCase.masks);
    const char* update = std::getenv("KVN_UPDATE_GOLDEN");
    if (update != nullptr && std::string(update) == "1") {
      std::ofstream(caseFile_, std::ios::binary | std::ios::trunc)
          << testCase.header << actualStdout;
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
    EXPECT_GT(caseCount_, 0U) << "no case files under " << kCasesDirectory;
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
  for (fs::recursive_directory_iterator entry(kCasesDirectory, error), end; !error && entry != end;
       entry.increment(error)) {
    if (entry->is_directory()) {
      continue;
    }
    const fs::path& path = entry->path();
    fs::path relative = path.lexically_relative(kCasesDirectory);
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
    problems.push_back("cannot read " + kCasesDirectory.string() + ": " + error.message());
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
