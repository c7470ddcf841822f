// The report of a differing output: where, and both versions made visible.
#include "e2e/output_diff.h"

#include <gtest/gtest.h>

namespace kvn::e2e {
namespace {

TEST(OutputDiff, ShowsBlanksLineEndsAndUnusualBytes) {
  EXPECT_EQ(visibleBytes("a b\t\"\\\xE9\n"),
            "\"a\xC2\xB7"
            "b\\x09\\\"\\\\\\xE9\\n\"");
}

TEST(OutputDiff, EqualOutputsHaveNoDifference) {
  EXPECT_EQ(describeFirstDifference("a\nb\n", "a\nb\n"), "");
}

TEST(OutputDiff, NamesTheFirstDifferingLineAndByte) {
  std::string report = describeFirstDifference("one\ntwo  x\nthree\n", "one\ntwo x\nthree\n");
  EXPECT_NE(report.find("from line 2 on"), std::string::npos) << report;
  EXPECT_NE(report.find("expected 2: \"two\xC2\xB7\xC2\xB7x\\n\""), std::string::npos) << report;
  EXPECT_NE(report.find("actual   2: \"two\xC2\xB7x\\n\""), std::string::npos) << report;
  EXPECT_NE(report.find("at byte 5 of the line"), std::string::npos) << report;
}

TEST(OutputDiff, ReportsAMissingLineEndAndAnEndedOutput) {
  std::string missingEnd = describeFirstDifference("a\n", "a");
  EXPECT_NE(missingEnd.find("actual   1: \"a\""), std::string::npos) << missingEnd;
  std::string ended = describeFirstDifference("a\nb\n", "a\n");
  EXPECT_NE(ended.find("actual   2: <end of output>"), std::string::npos) << ended;
}

}  // namespace
}  // namespace kvn::e2e
