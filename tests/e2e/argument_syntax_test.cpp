// The word syntax of the case files: quoting, empty words and byte escapes.
#include "e2e/argument_syntax.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kvn::e2e {
namespace {

using Words = std::vector<std::string>;

TEST(ArgumentSyntax, SplitsAtRunsOfBlanksAndTabs) {
  SplitWords split = splitWords("  -s\tnormal   -u ALICE ");
  EXPECT_EQ(split.error, "");
  EXPECT_EQ(split.words, (Words{"-s", "normal", "-u", "ALICE"}));
}

TEST(ArgumentSyntax, NothingButBlanksIsNoWord) {
  EXPECT_EQ(splitWords("   ").words, Words{});
}

TEST(ArgumentSyntax, EmptyQuotesAreAnEmptyWord) {
  EXPECT_EQ(splitWords("-u \"\" x").words, (Words{"-u", "", "x"}));
}

TEST(ArgumentSyntax, QuotesKeepBlanksAndJoinTheirNeighbours) {
  EXPECT_EQ(splitWords("\"two  words\" a\"b c\"d").words, (Words{"two  words", "ab cd"}));
}

TEST(ArgumentSyntax, EscapesGiveAnyByteInsideAndOutsideQuotes) {
  SplitWords split = splitWords(R"(caf\xE9 "\x00\"\\" \n\t\r)");
  EXPECT_EQ(split.error, "");
  EXPECT_EQ(split.words, (Words{"caf\xE9", std::string("\0\"\\", 3), "\n\t\r"}));
}

TEST(ArgumentSyntax, RejectsMalformedText) {
  EXPECT_NE(splitWords("\"open").error, "");
  EXPECT_NE(splitWords("a\\").error, "");
  EXPECT_NE(splitWords("\\x4").error, "");
  EXPECT_NE(splitWords("\\xG0").error, "");
  EXPECT_NE(splitWords("\\q").error, "");
}

}  // namespace
}  // namespace kvn::e2e
