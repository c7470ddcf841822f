#include "kvnshow/utf8_from_ansi.h"

#include <gtest/gtest.h>

#include <string>

namespace kvn {
namespace {

struct ConversionCase {
  std::string ansi;
  std::string utf8;
};

class Utf8FromAnsiTest : public testing::TestWithParam<ConversionCase> {};

// Windows-1252, as Western Windows converts it.
TEST_P(Utf8FromAnsiTest, ConvertsFromWindows1252) {
  Utf8FromAnsi converter;
  EXPECT_EQ(converter.convert(GetParam().ansi), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8FromAnsiTest,
    testing::Values(
        ConversionCase{"", ""},
        ConversionCase{"Plain, \"quoted\"\t\r\n", "Plain, \"quoted\"\t\r\n"},
        ConversionCase{"caf\xE9", "caf\xC3\xA9"}, ConversionCase{"\x80 5", "\xE2\x82\xAC 5"},
        ConversionCase{"\x9F\xFF", "\xC5\xB8\xC3\xBF"}, ConversionCase{"\xA0", "\xC2\xA0"},
        // The bytes the code page leaves undefined: their C1 controls.
        ConversionCase{"\x81\x8D\x8F\x90\x9D", "\xC2\x81\xC2\x8D\xC2\x8F\xC2\x90\xC2\x9D"},
        ConversionCase{"\x8A\x99\x85", "\xC5\xA0\xE2\x84\xA2\xE2\x80\xA6"}));

TEST(Utf8FromAnsi, EachConversionStandsAlone) {
  Utf8FromAnsi converter;
  EXPECT_EQ(converter.convert("\xE9t\xE9 long"), "\xC3\xA9t\xC3\xA9 long");
  EXPECT_EQ(converter.convert("\xE0"), "\xC3\xA0");
}

}  // namespace
}  // namespace kvn
