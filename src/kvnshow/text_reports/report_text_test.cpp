#include "kvnshow/text_reports/report_text.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

#include "captured_stream.h"

namespace kvn {
namespace {

using test::CapturedStream;

struct DecimalCase {
  std::int64_t value;
  std::size_t width;
  std::string_view expected;
};

TEST(ReportText, DecimalsAreRightAlignedLikePrintf) {
  const std::vector<DecimalCase> cases = {
      {0, 0, "0"},
      {7, 2, " 7"},
      {12, 2, "12"},
      {123, 2, "123"},  // wider than its column: the rest moves right
      {-1, 3, " -1"},
      {-99, 3, "-99"},
      {-100, 3, "-100"},
      {65535, 0, "65535"},
      {-2147483648LL, 0, "-2147483648"},
      {INT64_MIN, 0, "-9223372036854775808"},
      {INT64_MAX, 3, "9223372036854775807"},
  };
  for (const DecimalCase& c : cases) {
    const CapturedStream stream;
    ReportText report(stream.get());
    report.addDecimal(c.value, c.width);
    report.writeOut();
    EXPECT_EQ(stream.written(), c.expected) << c.value << " in " << c.width << " columns";
  }
}

TEST(ReportText, HandlesAreEightUpperCaseHexadecimalDigits) {
  const std::vector<std::pair<std::uint32_t, std::string_view>> cases = {
      {0, "00000000"}, {0xABC, "00000ABC"}, {0x4000000A, "4000000A"}, {0xFFFFFFFF, "FFFFFFFF"}};
  for (const auto& [value, expected] : cases) {
    const CapturedStream stream;
    ReportText report(stream.get());
    report.addHex8(value);
    report.writeOut();
    EXPECT_EQ(stream.written(), expected);
  }
}

TEST(ReportText, LeftAlignedTextsAreFilledWithBlanksButNeverCut) {
  const CapturedStream stream;
  ReportText report(stream.get());
  report.addLeftAligned("GEN", 15);
  report.add('|');
  report.addLeftAligned("", 10);
  report.add('|');
  report.addLeftAligned("0123456789ABCDEF", 15);
  report.add('|');
  report.writeOut();
  EXPECT_EQ(stream.written(), "GEN            |          |0123456789ABCDEF|");
}

TEST(ReportText, NothingReachesTheStreamBeforeWriteOut) {
  const CapturedStream stream;
  ReportText report(stream.get());
  report.add("Rv--a-------  ");
  report.addDecimal(3, 3);
  EXPECT_EQ(stream.written(), "");
  report.writeOut();
  EXPECT_EQ(stream.written(), "Rv--a-------    3");
  report.writeOut();  // an empty buffer adds nothing
  EXPECT_EQ(stream.written(), "Rv--a-------    3");
}

TEST(ReportText, TextBeyondTheRoomReachesTheStreamWholeAndInOrder) {
  const CapturedStream stream;
  ReportText report(stream.get());
  const std::string longer(ReportText::kRoom + 5, 'x');
  const std::string filling(ReportText::kRoom - 1, 'y');
  report.add("ab");
  report.add(longer);  // more than an empty buffer holds
  report.add(filling);
  report.add('z');  // fills the room exactly
  report.add('!');  // one past it
  report.addDecimal(-42, 4);
  report.writeOut();
  EXPECT_EQ(stream.written(), "ab" + longer + filling + "z! -42");
}

// A text or a number that does not fit what is left of the room sends the
// buffer on first, then starts it afresh.
TEST(ReportText, WhatDoesNotFitTheRestOfTheRoomFollowsTheBufferInOrder) {
  const CapturedStream stream;
  ReportText report(stream.get());
  const std::string nearlyFull(ReportText::kRoom - 3, 'y');
  report.add(nearlyFull);
  report.add("abcdef");  // fits an empty buffer, not the three bytes left
  const std::string refill(ReportText::kRoom - 8, 'w');
  report.add(refill);
  report.addDecimal(1234567, 9);  // two blanks, then the digits past the room
  report.writeOut();
  EXPECT_EQ(stream.written(), nearlyFull + "abcdef" + refill + "  1234567");
}

TEST(ReportText, AFailedWriteShowsInTheStreamsErrorState) {
  const std::string path = testing::TempDir() + "report_text_read_only.txt";
  std::FILE* created = std::fopen(path.c_str(), "w");
  ASSERT_NE(created, nullptr);
  std::fclose(created);
  std::FILE* readOnly = std::fopen(path.c_str(), "r");
  ASSERT_NE(readOnly, nullptr);
  ReportText report(readOnly);
  report.add("a report line\n");
  report.writeOut();
  std::fflush(readOnly);
  EXPECT_NE(std::ferror(readOnly), 0);
  std::fclose(readOnly);
  std::remove(path.c_str());
}

}  // namespace
}  // namespace kvn
