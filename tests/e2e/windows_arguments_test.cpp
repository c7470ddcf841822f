#include "e2e/windows_arguments.h"

#include <gtest/gtest.h>

#include <string>

namespace kvn::e2e {
namespace {

struct Conversion {
  std::string bytes;
  std::string utf8;
};

class CodePage1252Test : public testing::TestWithParam<Conversion> {};

TEST_P(CodePage1252Test, GivesTheCharacterOfEachByteInUtf8) {
  EXPECT_EQ(utf8FromCodePage1252(GetParam().bytes), GetParam().utf8);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, CodePage1252Test,
    testing::Values(Conversion{"", ""}, Conversion{"ALICE -s", "ALICE -s"},
                    Conversion{"\x01\x7F", "\x01\x7F"},
                    Conversion{"caf\xE9", "caf\xC3\xA9"},          // e acute
                    Conversion{"\xC9t\xC9", "\xC3\x89t\xC3\x89"},  // E acute
                    Conversion{"\xC3\xA9", "\xC3\x83\xC2\xA9"},    // UTF-8 bytes as two letters
                    Conversion{"\xA0\xFF", "\xC2\xA0\xC3\xBF"},    // Latin-1 half
                    Conversion{"\x80", "\xE2\x82\xAC"},            // euro sign
                    Conversion{"\x9F", "\xC5\xB8"},                // Y diaeresis
                    Conversion{"\x81\x9D", "\xC2\x81\xC2\x9D"}));  // undefined: same number

}  // namespace
}  // namespace kvn::e2e
