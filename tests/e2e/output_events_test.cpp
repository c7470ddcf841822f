#include "e2e/output_events.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace kvn::e2e {
namespace {

const std::string kFailedAttempts =
    "Server: h\n"                                       // 0..9
    "Connect(1) to Kavrin server: h\n"                  // 10..40
    "Connect failed to Kavrin server: h, error 7: x\n"  // 41..87
    "Connect(2) to Kavrin server: h\n"                  // 88..118
    "Connect failed to Kavrin server: h, error 7: x\n"  // 119..165
    "Can't connect\n";

const std::string kRun =
    "List a Kavrin user's faxes.\n"               // 0..27
    "\n"                                          // 28
    "Kavrin API version: 12/01/2008 16:30:13Z\n"  // 29..69
    "Connect(1) to Kavrin server: h\n"            // 70..100
    "Connected to Kavrin server:  h\n"            // 101..131
    "\n"                                          // 132
    "Kavrin server: h, t\n"                       // 133..152
    "\n"                                          // 153
    "Retrieving user info...\n"                   // 154..177
    "User: Q\\U \"N\"\n"                          // 178..191
    "Disconnect from Kavrin server: h, t\n";      // 192..227

TEST(OutputEvents, ParsesWhatAndOffset) {
  std::string problem;
  const std::vector<OutputEvent> events =
      parseEventLog("10000 88\n1.500000 -1\nKvnLoadUser3 178 42\n", problem);
  EXPECT_EQ(problem, "");
  ASSERT_EQ(events.size(), 3U);
  EXPECT_EQ(events[0].what, "10000");
  EXPECT_EQ(events[0].outputOffset, 88);
  EXPECT_EQ(events[0].errorOffset, -1);
  EXPECT_EQ(events[1].what, "1.500000");
  EXPECT_EQ(events[1].outputOffset, -1);
  EXPECT_EQ(events[2].what, "KvnLoadUser3");
  EXPECT_EQ(events[2].outputOffset, 178);
  EXPECT_EQ(events[2].errorOffset, 42);
}

TEST(OutputEvents, ReportsMalformedLines) {
  for (const char* log : {"10000\n", "10000 \n", " 5\n", "10000 5x\n", "Kvn 5 \n", "Kvn 5 6 7\n"}) {
    std::string problem;
    parseEventLog(log, problem);
    EXPECT_NE(problem, "") << log;
  }
}

TEST(OutputEvents, AcceptsPausesRightAfterFlushedFailureLines) {
  EXPECT_EQ(checkPausesFollowFlushedFailures(kFailedAttempts, {{"10000", 88}, {"10000", 166}}), "");
  EXPECT_EQ(checkPausesFollowFlushedFailures(kFailedAttempts, {}), "");
}

TEST(OutputEvents, RejectsAPauseBeforeTheFailureLineWasFlushed) {
  EXPECT_NE(checkPausesFollowFlushedFailures(kFailedAttempts, {{"10000", 41}}), "");
  EXPECT_NE(checkPausesFollowFlushedFailures(kFailedAttempts, {{"10000", -1}}), "");
  EXPECT_NE(checkPausesFollowFlushedFailures(kFailedAttempts, {{"10000", 88}, {"10000", 88}}), "");
}

TEST(OutputEvents, RejectsMorePausesThanFailures) {
  EXPECT_NE(checkPausesFollowFlushedFailures(kFailedAttempts,
                                             {{"10000", 88}, {"10000", 166}, {"10000", 166}}),
            "");
}

TEST(OutputEvents, AcceptsCallsAfterTheLinesThatAnnounceThem) {
  EXPECT_EQ(checkCallsFollowFlushedLines(kRun, {{"KvnGetAPIVersion", 29},
                                                {"KvnCreateServerHandle", 101},
                                                {"KvnVersionCheck", 132},
                                                {"KvnGetServerInfo2", 132},
                                                {"KvnGetServerInfo2", 133},
                                                {"KvnLoadUser3", 178},
                                                {"KvnCloseServerHandle", 228}}),
            "");
}

struct LateCase {
  const char* call;
  long long offset;
};

class LateFlushTest : public testing::TestWithParam<LateCase> {};

TEST_P(LateFlushTest, RejectsACallBeforeItsLineWasFlushed) {
  EXPECT_NE(checkCallsFollowFlushedLines(kRun, {{GetParam().call, GetParam().offset}}), "");
}

INSTANTIATE_TEST_SUITE_P(
    OutputEvents, LateFlushTest,
    testing::Values(LateCase{"KvnGetAPIVersion", 28},       // blank line not yet flushed
                    LateCase{"KvnGetAPIVersion", 70},       // the version line flushed too
                    LateCase{"KvnCreateServerHandle", 70},  // "Connect(1)" not yet flushed
                    LateCase{"KvnCreateServerHandle", 90},  // flushed in mid-line
                    LateCase{"KvnVersionCheck", 133},       // a blank line too many
                    LateCase{"KvnLoadUser3", 154},          // "Retrieving..." not yet flushed
                    LateCase{"KvnLoadUser3", -1},           // output is no file
                    LateCase{"KvnLoadUser3", 9999},         // beyond the output
                    LateCase{"KvnCloseServerHandle", 192}));

// Loads of fax details between reports that each flush at their end.
const std::string kListing =
    "Retrieving fax list...\n"                          // 0..22
    "Sorting fax list by date...\n"                     // 23..50
    "Can't sort the fax list for user: U\n"             // 51..86
    "\n"                                                // 87, written unflushed
    "Can't retrieve extended fax info: A (00000001)\n"  // 88..134
    "R-  B\n"                                           // 135..140
    "Can't retrieve extended fax info: C (00000003)\n"  // 141..187
    "\n"                                                // 188
    "faxes:3 listed:1 failed:2 skipped:0 total:3\n"     // 189..232
    "recv:1 sent:0 viewed:0 pages:1 errs:0\n";          // 233..270

std::vector<OutputEvent> detailLoads(const std::vector<long long>& offsets) {
  std::vector<OutputEvent> loads;
  loads.reserve(offsets.size());
  for (const long long offset : offsets) {
    loads.push_back({"KvnLoadFax3", offset});
  }
  return loads;
}

TEST(OutputEvents, AcceptsDetailLoadsAfterEveryEarlierReport) {
  EXPECT_EQ(checkCallsFollowFlushedLines(kListing, detailLoads({87, 135, 141})), "");
  EXPECT_EQ(checkCallsFollowFlushedLines(kListing, detailLoads({88, 135, 141})), "");
}

TEST(OutputEvents, RejectsADetailLoadBeforeEarlierReportsWereFlushed) {
  for (const std::vector<long long>& offsets : std::vector<std::vector<long long>>{
           {87, 87, 141},   // the failure line of A not yet flushed
           {87, 135, 135},  // the report of B not yet flushed
           {51},            // the sort's failure line not yet flushed
           {135},           // a report out before the first load
       }) {
    EXPECT_NE(checkCallsFollowFlushedLines(kListing, detailLoads(offsets)), "")
        << testing::PrintToString(offsets);
  }
}

// A walk of kListing: its first fetch, the fetches after it, the release.
std::vector<OutputEvent> walk(long long first, const std::vector<long long>& next,
                              long long release) {
  std::vector<OutputEvent> calls{{"KvnListGetFirstElementPtr", first}};
  for (const long long offset : next) {
    calls.push_back({"KvnListGetNextElementPtr", offset});
  }
  calls.push_back({"KvnCloseListHandle", release});
  return calls;
}

TEST(OutputEvents, AcceptsAWalkThatFindsEachReportFlushed) {
  EXPECT_EQ(checkCallsFollowFlushedLines(kListing, walk(87, {135, 141, 188}, 271)), "");
  EXPECT_EQ(checkCallsFollowFlushedLines(kListing, walk(87, {87, 135, 135, 141, 188}, 271)), "");
}

TEST(OutputEvents, RejectsAWalkBeforeEarlierLinesOrReportsWereFlushed) {
  const std::vector<std::pair<const char*, std::vector<OutputEvent>>> walks{
      {"the sort's failure line not yet flushed", walk(51, {135, 141, 188}, 271)},
      {"the report of A not flushed before B's fetch", walk(87, {87, 141, 188}, 271)},
      {"the report of C not flushed before the last fetch", walk(87, {135, 141, 141}, 271)},
  };
  for (const auto& [fault, calls] : walks) {
    EXPECT_NE(checkCallsFollowFlushedLines(kListing, calls), "") << fault;
  }
}

// Data on standard output: one flushed write a fax, the document whole before
// the list is released.
TEST(OutputEvents, ChecksDataFlushedFaxByFax) {
  const std::string data = "[\n{},\n{}\n]\n";  // the first fax ends at 4, the end at 11
  const auto calls = [](long long first, long long second, long long close) {
    return std::vector<OutputEvent>{
        {"KvnLoadFax3", first}, {"KvnLoadFax3", second}, {"KvnCloseListHandle", close}};
  };
  EXPECT_EQ(checkDataFlushedPerFax(data, calls(0, 4, 11)), "");
  EXPECT_NE(checkDataFlushedPerFax(data, calls(0, 0, 11)), "") << "the first fax not flushed";
  EXPECT_NE(checkDataFlushedPerFax(data, calls(0, 4, 8)), "") << "the end not flushed";
}

}  // namespace
}  // namespace kvn::e2e
