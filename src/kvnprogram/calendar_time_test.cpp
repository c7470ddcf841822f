#include "kvnprogram/calendar_time.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <string_view>
#include <utility>

namespace kvn {
namespace {

constexpr std::int64_t kBeyondAnyCalendar = std::numeric_limits<std::int64_t>::max();
// strftime's result for this is longer than the 80 characters a text holds.
const std::string kLongFormat = std::string(40, 'x') + "%Y-%m-%d %H:%M:%S" + std::string(40, 'x');

struct FormatCase {
  const char* what;
  std::int64_t seconds;
  std::string format;
  std::string expected;  // empty: the time cannot be formatted
};

TEST(FormatCalendarTime, GivesTheTextOrLeavesTheTargetAlone) {
  const FormatCase cases[] = {
      {"the API version's form", 1228149013, "%m/%d/%Y %H:%M:%SZ", "12/01/2008 16:30:13Z"},
      {"before 1970", -1, "%Y-%m-%d %H:%M:%S", "1969-12-31 23:59:59"},
      {"80 characters fit", 0, std::string(80, 'y'), std::string(80, 'y')},
      {"no calendar holds it", kBeyondAnyCalendar, "%Y", ""},
      {"too long for the text", 0, kLongFormat, ""},
  };
  for (const FormatCase& testCase : cases) {
    SCOPED_TRACE(testCase.what);
    CalendarText text{};
    text[0] = '!';
    const std::size_t length =
        formatCalendarTime(testCase.seconds, TimeZoneKind::Utc, testCase.format.c_str(), text);
    std::string viaString = "untouched";
    const bool converted =
        formatCalendarTime(testCase.seconds, TimeZoneKind::Utc, testCase.format.c_str(), viaString);
    if (testCase.expected.empty()) {
      EXPECT_EQ(length, 0U);
      EXPECT_STREQ(text.data(), "!");
      EXPECT_FALSE(converted);
      EXPECT_EQ(viaString, "untouched");
    } else {
      EXPECT_EQ(length, testCase.expected.size());
      EXPECT_EQ(std::string(text.data()), testCase.expected);
      EXPECT_TRUE(converted);
      EXPECT_EQ(viaString, testCase.expected);
    }
  }
}

// The RFC 3339 form against strftime's, over the range of a fax's time plus
// the server's offset and beyond, on both sides of every field's carry.
TEST(FormatRfc3339Utc, WritesWhatStrftimeWrites) {
  constexpr std::int64_t kStep = 86400 * 37 + 3600 * 5 + 60 * 7 + 11;
  constexpr std::int64_t kBeforeYear3000 = 32503680000 - kStep * 1500;
  constexpr std::int64_t kBeforeYear9999 = 253402300800 - kStep * 3000;
  for (std::int64_t start :
       {std::int64_t{-4294967296}, std::int64_t{0}, kBeforeYear3000, kBeforeYear9999}) {
    for (std::int64_t seconds = start; seconds < start + kStep * 3000; seconds += kStep) {
      const std::int64_t midnight = seconds - (seconds % 86400);
      for (std::int64_t at : {seconds, midnight - 1, midnight}) {
        CalendarText expected{};
        const std::size_t expectedLength =
            formatCalendarTime(at, TimeZoneKind::Utc, "%Y-%m-%dT%H:%M:%SZ", expected);
        CalendarText text{};
        ASSERT_EQ(formatRfc3339Utc(at, text), expectedLength) << at;
        EXPECT_STREQ(text.data(), expected.data()) << at;
      }
    }
  }
}

// Four digits of year from 0000 to 9999, whatever the platform converts;
// nothing beyond.
TEST(FormatRfc3339Utc, EveryFourDigitYearAndNoOther) {
  const std::pair<std::int64_t, const char*> cases[] = {
      {-17900, "1969-12-31T19:01:40Z"},
      {-4294967296, "1833-11-24T17:31:44Z"},  // the least server time plus the least offset
      {-62167219200, "0000-01-01T00:00:00Z"},
      {-62135596801, "0000-12-31T23:59:59Z"},
      {253402300799, "9999-12-31T23:59:59Z"},
      {-62167219201, ""},
      {253402300800, ""},
      {kBeyondAnyCalendar, ""},
  };
  for (const auto& [seconds, expected] : cases) {
    CalendarText text{};
    text[0] = '!';
    const std::size_t length = formatRfc3339Utc(seconds, text);
    EXPECT_EQ(length, std::string_view(expected).size()) << seconds;
    EXPECT_STREQ(text.data(), *expected == '\0' ? "!" : expected) << seconds;
  }
}

}  // namespace
}  // namespace kvn
