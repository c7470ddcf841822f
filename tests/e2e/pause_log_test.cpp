#include "e2e/pause_log.h"

#include <gtest/gtest.h>

namespace kvn::e2e {
namespace {

const std::string kOutput =
    "Server: h\n"                                       // 0..9
    "Connect(1) to Kavrin server: h\n"                  // 10..40
    "Connect failed to Kavrin server: h, error 7: x\n"  // 41..87
    "Connect(2) to Kavrin server: h\n"                  // 88..118
    "Connect failed to Kavrin server: h, error 7: x\n"  // 119..165
    "Can't connect\n";

TEST(PauseLog, ParsesMillisecondsAndOffsets) {
  std::string problem;
  const std::vector<Pause> pauses = parsePauseLog("10000 88\n1.500000 -1\n", problem);
  EXPECT_EQ(problem, "");
  ASSERT_EQ(pauses.size(), 2U);
  EXPECT_EQ(pauses[0].milliseconds, "10000");
  EXPECT_EQ(pauses[0].outputOffset, 88);
  EXPECT_EQ(pauses[1].milliseconds, "1.500000");
  EXPECT_EQ(pauses[1].outputOffset, -1);
}

TEST(PauseLog, ReportsMalformedLines) {
  for (const char* log : {"10000\n", "10000 \n", " 5\n", "10000 5x\n"}) {
    std::string problem;
    parsePauseLog(log, problem);
    EXPECT_NE(problem, "") << log;
  }
}

TEST(PauseLog, AcceptsPausesRightAfterFlushedFailureLines) {
  EXPECT_EQ(checkPausesFollowFlushedFailures(kOutput, {{"10000", 88}, {"10000", 166}}), "");
  EXPECT_EQ(checkPausesFollowFlushedFailures(kOutput, {}), "");
}

TEST(PauseLog, RejectsAPauseBeforeTheFailureLineWasFlushed) {
  EXPECT_NE(checkPausesFollowFlushedFailures(kOutput, {{"10000", 41}}), "");
  EXPECT_NE(checkPausesFollowFlushedFailures(kOutput, {{"10000", -1}}), "");
  EXPECT_NE(checkPausesFollowFlushedFailures(kOutput, {{"10000", 88}, {"10000", 88}}), "");
}

TEST(PauseLog, RejectsMorePausesThanFailures) {
  EXPECT_NE(
      checkPausesFollowFlushedFailures(kOutput, {{"10000", 88}, {"10000", 166}, {"10000", 166}}),
      "");
}

}  // namespace
}  // namespace kvn::e2e
