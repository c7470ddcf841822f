#include "kvnshow/text_reports/fax_date_text.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <limits>
#include <optional>
#include <string>

namespace kvn {
namespace {

std::string utcText(std::int64_t seconds) {
  return faxDateText(seconds, TimeZoneKind::Utc).data();
}

TEST(FaxDateText, RendersUtcAsNineteenCharacters) {
  EXPECT_EQ(utcText(0), "1970-01-01 00:00:00");
  EXPECT_EQ(utcText(1225722125), "2008-11-03 14:22:05");
  EXPECT_EQ(utcText(2147483647), "2038-01-19 03:14:07");
}

TEST(FaxDateText, SumsAreTakenInSixtyFourBits) {
  EXPECT_EQ(faxUtcSeconds(2147483647, 18000), std::int64_t{2147501647});
  EXPECT_EQ(faxUtcSeconds(-2147483647 - 1, -2147483647 - 1), -std::int64_t{4294967296});
  EXPECT_EQ(utcText(faxUtcSeconds(2147483647, 18000)), "2038-01-19 08:14:07");
  EXPECT_EQ(utcText(faxUtcSeconds(0, -1)), "1969-12-31 23:59:59");
  // Every sum of two 32-bit values stays within four-digit years.
  EXPECT_EQ(utcText(faxUtcSeconds(2147483647, 2147483647)), "2106-02-07 06:28:14");
  EXPECT_EQ(utcText(faxUtcSeconds(-2147483647 - 1, -2147483647 - 1)), "1833-11-24 17:31:44");
}

TEST(FaxDateText, ATimeThePlatformCannotRenderIsQuestionMarks) {
  const std::string unknown =
      faxDateText(std::numeric_limits<std::int64_t>::max(), TimeZoneKind::Utc).data();
  EXPECT_EQ(unknown, R"(????-??-?? ??:??:??)");
  EXPECT_EQ(unknown.size(), 19U);
  EXPECT_STREQ(faxDateText(std::numeric_limits<std::int64_t>::min(), TimeZoneKind::Local).data(),
               kUnknownFaxDate);
}

// Local times follow this machine's zone, daylight saving time included.
class FaxDateTextLocal : public ::testing::Test {
 protected:
  void SetUp() override {
    const char* zone = std::getenv("TZ");
    saved_ = zone != nullptr ? std::optional<std::string>(zone) : std::nullopt;
    setenv("TZ", "America/New_York", 1);
    tzset();
  }
  void TearDown() override {
    if (saved_) {
      setenv("TZ", saved_->c_str(), 1);
    } else {
      unsetenv("TZ");
    }
    tzset();
  }

 private:
  std::optional<std::string> saved_;
};

TEST_F(FaxDateTextLocal, FollowsDaylightSavingTime) {
  EXPECT_STREQ(faxDateText(1215000000, TimeZoneKind::Local).data(), "2008-07-02 08:00:00");  // EDT
  EXPECT_STREQ(faxDateText(1228521600, TimeZoneKind::Local).data(), "2008-12-05 19:00:00");  // EST
  EXPECT_STREQ(faxDateText(1228521600, TimeZoneKind::Utc).data(), "2008-12-06 00:00:00");
}

}  // namespace
}  // namespace kvn
