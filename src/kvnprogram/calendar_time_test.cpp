#include "kvnprogram/calendar_time.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>

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

}  // namespace
}  // namespace kvn
