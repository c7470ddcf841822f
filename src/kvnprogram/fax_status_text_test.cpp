#include "kvnprogram/fax_status_text.h"

#include <gtest/gtest.h>

#include <string>

namespace kvn {
namespace {

TEST(FaxStatusText, NamesEveryCodeFromZeroToTwenty) {
  const char* const names[] = {
      "Unborn",     "Needs FCS", "Needs conversion", "Needs to be sent", "In conversion",
      "In send",    "Okay",      "Manual FCS",       "In schedule",      "Done error",
      "Duplicate",  "Error",     "Attention",        "Needs attachment", "Held",
      "In OCR",     "In print",  "Queued for print", "Queued for OCR",   "In validate",
      "In approval"};
  for (std::int32_t code = 0; code <= 20; ++code) {
    EXPECT_STREQ(faxStatusText(code), names[code]) << code;
  }
}

TEST(FaxStatusText, AnyOtherCodeIsItsDecimalValue) {
  EXPECT_STREQ(faxStatusText(21), "21");
  EXPECT_STREQ(faxStatusText(65535), "65535");
  EXPECT_STREQ(faxStatusText(-1), "-1");  // negative codes are out of range without sign
  EXPECT_STREQ(faxStatusText(-2147483647 - 1), "-2147483648");
  EXPECT_STREQ(faxStatusText(2147483647), "2147483647");
}

TEST(FaxStatusText, ADecimalTextLastsUntilTheNextDecimalText) {
  const std::string first = faxStatusText(31);
  const char* kept = faxStatusText(23);
  EXPECT_STREQ(faxStatusText(6), "Okay");  // a name leaves the buffer alone
  EXPECT_STREQ(kept, "23");
  EXPECT_EQ(first, "31");
  faxStatusText(99);
  EXPECT_STREQ(kept, "99");  // one buffer, overwritten
}

}  // namespace
}  // namespace kvn
