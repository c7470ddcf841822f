#include "kvnshow/data_formats/utf8_from_ansi.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <string>

namespace kvn {
namespace {

struct ConversionCase {
  std::uint32_t page;
  std::string ansi;
  std::string utf8;
};

void PrintTo(const ConversionCase& conversion, std::ostream* out) {
  *out << "page " << conversion.page << ": " << testing::PrintToString(conversion.ansi);
}

class Utf8FromAnsiTest : public testing::TestWithParam<ConversionCase> {};

// What Windows gives for the page's characters; U+FFFD (EF BF BD) for the
// rest, one for the first byte, the next byte read on its own.
TEST_P(Utf8FromAnsiTest, ConvertsAsTheRuleSays) {
  auto converter = Utf8FromAnsi::open(GetParam().page);
  ASSERT_TRUE(converter.has_value());
  EXPECT_EQ(converter->convert(GetParam().ansi), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Utf8FromAnsiTest,
    testing::Values(
        ConversionCase{0, "", ""},
        ConversionCase{0, "Plain, \"quoted\"\t\r\n", "Plain, \"quoted\"\t\r\n"},
        // The default off Windows: 1252.
        ConversionCase{0, "caf\xE9 \x80 5", "caf\xC3\xA9 \xE2\x82\xAC 5"},
        ConversionCase{1252, "\x9F\xFF\xA0\x8A\x99",
                       "\xC5\xB8\xC3\xBF\xC2\xA0\xC5\xA0\xE2\x84\xA2"},
        // The five bytes 1252 leaves undefined, which Windows gives as C1 controls.
        ConversionCase{1252, "\x81\x8D\x8F\x90\x9D",
                       "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        ConversionCase{1251, "\xCF\xF0\xE8\xE2\xE5\xF2 \xB8\x98",
                       "\xD0\x9F\xD1\x80\xD0\xB8\xD0\xB2\xD0\xB5\xD1\x82 \xD1\x91\xEF\xBF\xBD"},
        // A letter and a combining mark stay two characters, as on Windows.
        ConversionCase{1258, "a\xEC", "a\xCC\x81"},
        ConversionCase{1255, "\xCA\xE0", "\xD6\xBA\xD7\x90"},
        // Windows gives a private-use character for an undefined byte.
        ConversionCase{1253, "\xAA\xC1", "\xEF\xBF\xBD\xCE\x91"},
        ConversionCase{874, "\xA1\xDB", "\xE0\xB8\x81\xEF\xBF\xBD"},
        // 932: a pair, a half-width katakana, the lead byte of a cut pair.
        ConversionCase{932, "\x93\xFA\xB1\x96", "\xE6\x97\xA5\xEF\xBD\xB1\xEF\xBF\xBD"},
        // A lead byte whose next byte makes no pair: that byte stays.
        ConversionCase{932, "\x81,\x82\x20x", "\xEF\xBF\xBD,\xEF\xBF\xBD x"},
        // Undefined single bytes and the user-defined area (private use).
        ConversionCase{932, "\x80\xA0\xFD\xF0\x40",
                       "\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD@"},
        ConversionCase{936, "\xD6\xD0\x80\xA1\x40", "\xE4\xB8\xAD\xE2\x82\xAC\xEF\xBF\xBD@"},
        ConversionCase{949, "\xC7\xD1\xC9\xA1", "\xED\x95\x9C\xEF\xBF\xBD\xEF\xBF\xBD"},
        ConversionCase{950, "\xA4\xA4\x81\x40", "\xE4\xB8\xAD\xEF\xBF\xBD@"}),
    [](const testing::TestParamInfo<ConversionCase>& info) {
      return "Page" + std::to_string(info.param.page) + "Case" + std::to_string(info.index);
    });

TEST(Utf8FromAnsi, EachConversionStandsAlone) {
  auto converter = Utf8FromAnsi::open(932);
  ASSERT_TRUE(converter.has_value());
  EXPECT_EQ(converter->convert("\x93\xFA\x96 long"), "\xE6\x97\xA5\xEF\xBF\xBD long");
  EXPECT_EQ(converter->convert("\xB1"), "\xEF\xBD\xB1");
}

TEST(Utf8FromAnsi, TakesTheAnsiCodePagesAlone) {
  for (const std::uint32_t page : {874U, 932U, 936U, 949U, 950U, 1250U, 1258U}) {
    EXPECT_TRUE(Utf8FromAnsi::open(page).has_value()) << page;
  }
  for (const std::uint32_t page : {437U, 1249U, 1259U, 65001U, 99999U}) {
    EXPECT_FALSE(Utf8FromAnsi::open(page).has_value()) << page;
  }
}

}  // namespace
}  // namespace kvn
