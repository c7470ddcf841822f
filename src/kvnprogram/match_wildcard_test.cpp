#include "kvnprogram/match_wildcard.h"

#include <gtest/gtest.h>

#include <ostream>
#include <random>
#include <string>
#include <vector>

#include "recursive_wildcard.h"

namespace kvn {
namespace {

struct MatchCase {
  const char* text;
  const char* pattern;
  bool matches;
};

void PrintTo(const MatchCase& c, std::ostream* os) {
  *os << "text \"" << c.text << "\", pattern \"" << c.pattern << "\"";
}

class MatchWildcardTable : public ::testing::TestWithParam<MatchCase> {};

TEST_P(MatchWildcardTable, MatchesTheWholeText) {
  const MatchCase& c = GetParam();
  EXPECT_EQ(matchWildcard(c.text, c.pattern), c.matches)
      << "text \"" << c.text << "\", pattern \"" << c.pattern << "\"";
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, MatchWildcardTable,
    ::testing::Values(
        MatchCase{"", "", true}, MatchCase{"A", "", false}, MatchCase{"", "*", true},
        MatchCase{"", "?", false}, MatchCase{"", "**", true}, MatchCase{"", "*?", false},
        MatchCase{"X", "?", true}, MatchCase{"XY", "?", false}, MatchCase{"XY", "*?", true},
        MatchCase{"ac", "a*c", true}, MatchCase{"abc", "a*c", true}, MatchCase{"ABBC", "a*c", true},
        MatchCase{"abcd", "a*c", false}, MatchCase{"APP0438B2C87FE9", "*9", true},
        MatchCase{"APP0438B2C87FE9", "*8", false}, MatchCase{"APP0438B2C87FE6", "app*", true},
        MatchCase{"app0438", "APP*", true}, MatchCase{"APP0438", "APP", false},
        MatchCase{"APP", "APP0438", false}, MatchCase{"mississippi", "*sip*", true},
        MatchCase{"mississippi", "m*iss*ppi", true}, MatchCase{"mississippi", "m*i*s*x", false},
        MatchCase{"abab", "*ab", true}, MatchCase{"aaa", "a*a*a", true},
        MatchCase{"aa", "a*a*a", false},
        // '*' and '?' in a text are ordinary characters; in a pattern always wildcards.
        MatchCase{"a*b", "a*b", true}, MatchCase{"axxb", "a*b", true},
        MatchCase{"a?b", "a?b", true},
        // Only A to Z fold: '@' (64) and '`' (96), '[' (91) and '{' (123) do not.
        MatchCase{"@", "`", false}, MatchCase{"[", "{", false}, MatchCase{"Z", "z", true},
        // Bytes from 0x80 up match only themselves: e acute in Latin-1 and UTF-8.
        MatchCase{"caf\xE9", "CAF\xE9", true}, MatchCase{"caf\xE9", "caf\xC9", false},
        MatchCase{"caf\xC3\xA9", "caf\xC3\x89", false}, MatchCase{"caf\xC3\xA9", "caf??", true},
        MatchCase{"caf\xC3\xA9", "caf?", false},
        // A run of many '*' costs no more than one.
        MatchCase{"aaaaaaaaaaaaaaa", "*a*a*a*a*a*a*a*a*a*a*a*a*b", false},
        MatchCase{"aaaaaaaaaaaaaab", "*a*a*a*a*a*a*a*a*a*a*a*a*b", true}));

TEST(MatchWildcard, NullTextOrPatternNeverMatches) {
  EXPECT_FALSE(matchWildcard(nullptr, "*"));
  EXPECT_FALSE(matchWildcard("A", nullptr));
  EXPECT_FALSE(matchWildcard(nullptr, nullptr));
}

TEST(MatchWildcard, TenThousandStarsMatchAnyId) {
  const std::string stars(10000, '*');
  EXPECT_TRUE(matchWildcard("APP0438B2C87FE6", stars.c_str()));
  EXPECT_FALSE(matchWildcard("APP0438B2C87FE6", (stars + "Q").c_str()));
}

// Every pair of single bytes: folding is exactly 'A' to 'Z' onto 'a' to 'z'.
TEST(MatchWildcard, EverySingleBytePairAgreesWithTheDefinition) {
  for (int t = 1; t < 256; ++t) {
    for (int p = 1; p < 256; ++p) {
      const char text[2] = {static_cast<char>(t), '\0'};
      const char pattern[2] = {static_cast<char>(p), '\0'};
      ASSERT_EQ(matchWildcard(text, pattern), test::recursiveWildcard(text, pattern))
          << "text byte " << t << ", pattern byte " << p;
    }
  }
}

// All strings over an alphabet up to a length, shortest first.
std::vector<std::string> allStrings(const std::string& alphabet, std::size_t maxLength) {
  std::vector<std::string> strings{""};
  for (std::size_t begin = 0; begin < strings.size(); ++begin) {
    if (strings[begin].size() == maxLength) {
      continue;
    }
    for (const char c : alphabet) {
      strings.push_back(strings[begin] + c);
    }
  }
  return strings;
}

// Texts hold wildcard characters and bytes above 0x7F too; patterns mix
// wildcards with letters of both cases.
TEST(MatchWildcard, AgreesWithTheDefinitionOnEveryShortTextAndPattern) {
  const auto texts = allStrings("aB*\xE9", 4);
  const auto patterns = allStrings("*?Ab\xE9", 5);
  long long matches = 0;
  for (const auto& text : texts) {
    for (const auto& pattern : patterns) {
      const bool expected = test::recursiveWildcard(text.c_str(), pattern.c_str());
      ASSERT_EQ(matchWildcard(text.c_str(), pattern.c_str()), expected)
          << "text \"" << text << "\", pattern \"" << pattern << "\"";
      matches += expected ? 1 : 0;
    }
  }
  EXPECT_GT(matches, 0);  // the comparison saw both answers
  EXPECT_LT(matches, static_cast<long long>(texts.size() * patterns.size()));
}

TEST(MatchWildcard, AgreesWithTheDefinitionOnRandomIds) {
  std::mt19937 random(20081206);  // NOLINT(cert-msc32-c,cert-msc51-cpp): a failure must repeat
  const std::string textBytes = "aAbB0*?\x80\xFF";
  const std::string patternBytes = "aAbB0**??\x80\xFF";
  auto randomString = [&random](const std::string& bytes, std::size_t maxLength) {
    std::string s(std::uniform_int_distribution<std::size_t>(0, maxLength)(random), ' ');
    for (char& c : s) {
      c = bytes[std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random)];
    }
    return s;
  };
  for (int i = 0; i < 200000; ++i) {
    const std::string text = randomString(textBytes, 15);
    const std::string pattern = randomString(patternBytes, 8);
    ASSERT_EQ(matchWildcard(text.c_str(), pattern.c_str()),
              test::recursiveWildcard(text.c_str(), pattern.c_str()))
        << "text \"" << text << "\", pattern \"" << pattern << "\"";
  }
}

}  // namespace
}  // namespace kvn
