// Runs whose standard output cannot be written: a full disk, a closed
// descriptor, a reader that goes away. None may pass for a success; each
// still releases the list and disconnects, unless the broken pipe ends it as
// it ends any Unix filter.
#include <gtest/gtest.h>

#include <algorithm>
#include <csignal>
#include <string>
#include <vector>

#include "e2e/kvnshow_runner.h"
#include "e2e/output_diff.h"

namespace kvn::e2e {
namespace {

constexpr int kOutputFailed = 5;
constexpr char kFirstLine[] = "KvnShow - List faxes on a Kavrin server\n";
// listing-generated serves 3000 faxes; listed verbosely they are megabytes,
// far more than a pipe holds, so a reader that goes away is noticed mid-list.
const std::vector<std::string> kLongListing = {"-s", "listing-generated", "-u", "GEN", "-a", "-v"};
constexpr long kGeneratedFaxes = 3000;

struct OutputFailureCase {
  const char* name;
  // The one line on standard error; empty when SIGPIPE is to end the run.
  const char* errorLine;
  std::vector<std::string> arguments;
  StandardOutput standardOutput;
  bool brokenPipeIgnored;
  bool connected;
  bool fetchesList;
};

std::ostream& operator<<(std::ostream& out, const OutputFailureCase& testCase) {
  return out << testCase.name;
}

const OutputFailureCase kCases[] = {
    {"listing_to_full_disk", "kvnshow: can't write to standard output: No space left on device\n",
     kLongListing, StandardOutput::Full, false, true, true},
    {"listing_to_closed_descriptor",
     "kvnshow: can't write to standard output: Bad file descriptor\n", kLongListing,
     StandardOutput::Closed, false, true, true},
    {"usage_to_full_disk",
     "kvnshow: can't write to standard output: No space left on device\n",
     {},
     StandardOutput::Full,
     false,
     false,
     false},
    {"failed_connection_to_closed_descriptor",
     "kvnshow: can't write to standard output: Bad file descriptor\n",
     {"-s", "never-answers", "-u", "ALICE"},
     StandardOutput::Closed,
     false,
     false,
     false},
    {"unknown_user_to_full_disk",
     "kvnshow: can't write to standard output: No space left on device\n",
     {"-s", "normal", "-u", "NOBODY"},
     StandardOutput::Full,
     false,
     true,
     false},
    {"empty_list_to_full_disk",
     "kvnshow: can't write to standard output: No space left on device\n",
     {"-s", "listing-empty", "-u", "EMPTY"},
     StandardOutput::Full,
     false,
     true,
     true},
    // The first write that fails is inside one print larger than the stream's
    // buffer; the flush after it finds nothing left to write.
    {"long_host_past_file_size_limit",
     "kvnshow: can't write to standard output: File too large\n",
     {"-s", std::string(100000, 'h'), "-u", "ALICE"},
     StandardOutput::SizeLimitedFile,
     false,
     false,
     false},
    {"reader_goes_away", "", kLongListing, StandardOutput::Pipe, false, true, true},
    {"reader_goes_away_with_broken_pipe_ignored",
     "kvnshow: can't write to standard output: Broken pipe\n", kLongListing, StandardOutput::Pipe,
     true, true, true},
};

long countCalls(const std::vector<OutputEvent>& calls, const std::string& name) {
  return std::count_if(calls.begin(), calls.end(),
                       [&name](const OutputEvent& call) { return call.what == name; });
}

class OutputFailureTest : public testing::TestWithParam<OutputFailureCase> {};

TEST_P(OutputFailureTest, IsReportedAndEndsTheRunCleanly) {
  const OutputFailureCase& testCase = GetParam();
  KvnshowRun run;
  run.arguments = testCase.arguments;
  run.standardOutput = testCase.standardOutput;
  run.pipeBytesRead = sizeof kFirstLine - 1;
  run.brokenPipeIgnored = testCase.brokenPipeIgnored;
  const KvnshowOutcome ran = runKvnshow(run);
  const ProgramOutcome& outcome = ran.program;
  ASSERT_TRUE(outcome.failure.empty()) << outcome.failure;
  // The call trace is a file the library opens: it must not have received the
  // program's output in place of a closed standard output.
  EXPECT_EQ(ran.logProblem, "");
  ASSERT_FALSE(ran.calls.empty()) << "the client library traced no call";

  if (testCase.standardOutput == StandardOutput::Pipe) {
    EXPECT_EQ(outcome.standardOutput, kFirstLine);
  }
  if (*testCase.errorLine == '\0') {
    ASSERT_FALSE(outcome.exited) << "exited with status " << outcome.exitStatus;
    EXPECT_EQ(outcome.signal, SIGPIPE);
    EXPECT_EQ(outcome.standardError, "");
    return;
  }
  ASSERT_TRUE(outcome.exited) << "ended by signal " << outcome.signal;
  EXPECT_EQ(outcome.exitStatus, kOutputFailed);
  EXPECT_EQ(outcome.standardError, testCase.errorLine)
      << "standard error: " << visibleBytes(outcome.standardError);

  if (testCase.connected) {
    EXPECT_EQ(ran.calls.back().what, "KvnCloseServerHandle") << "the run must end disconnected";
  } else {
    EXPECT_EQ(countCalls(ran.calls, "KvnCloseServerHandle"), 0);
  }
  EXPECT_EQ(countCalls(ran.calls, "KvnGetFaxList"), testCase.fetchesList ? 1 : 0);
  if (testCase.fetchesList) {
    EXPECT_EQ(countCalls(ran.calls, "KvnCloseListHandle"), 1) << "the list must be released";
    // Nobody reads the rest of a long list, so it is not walked to its end.
    EXPECT_LT(countCalls(ran.calls, "KvnListGetNextElementPtr"), kGeneratedFaxes - 1);
  }
}

// Without the client library a data run writes nothing to standard output:
// a full disk there changes nothing, and the one line goes to standard error.
TEST(OutputFailureTest, DataRunWithoutLibraryWritesNothingThere) {
  KvnshowRun run;
  run.arguments = {"-s", "normal", "-u", "ALICE", "-json"};
  run.library = ClientLibrary::None;
  run.standardOutput = StandardOutput::Full;
  run.dataOnStandardOutput = true;
  const ProgramOutcome outcome = runKvnshow(run).program;
  ASSERT_TRUE(outcome.failure.empty()) << outcome.failure;
  ASSERT_TRUE(outcome.exited) << "ended by signal " << outcome.signal;
  EXPECT_EQ(outcome.exitStatus, 1);
  const std::string lastLine = outcome.standardError.substr(
      outcome.standardError.rfind('\n', outcome.standardError.size() - 2) + 1);
  EXPECT_EQ(lastLine.rfind("Can't load the Kavrin client library KVWIN32: ", 0), 0U)
      << visibleBytes(outcome.standardError);
}

INSTANTIATE_TEST_SUITE_P(Runs, OutputFailureTest, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<OutputFailureCase>& info) {
                           return std::string(info.param.name);
                         });

}  // namespace
}  // namespace kvn::e2e
