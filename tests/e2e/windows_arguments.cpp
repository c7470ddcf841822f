#include "e2e/windows_arguments.h"

#include <array>
#include <cstdint>

namespace kvn::e2e {
namespace {

// Code page 1252 at bytes 0x80 to 0x9F; the rest of the upper half is Latin-1.
constexpr std::array<std::uint16_t, 32> kUpperControlRange{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,  // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F,  // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,  // 0x98
};

void appendUtf8(std::string& text, std::uint16_t character) {
  if (character < 0x80) {
    text.push_back(static_cast<char>(character));
  } else if (character < 0x800) {
    text.push_back(static_cast<char>(0xC0 | (character >> 6)));
    text.push_back(static_cast<char>(0x80 | (character & 0x3F)));
  } else {
    text.push_back(static_cast<char>(0xE0 | (character >> 12)));
    text.push_back(static_cast<char>(0x80 | ((character >> 6) & 0x3F)));
    text.push_back(static_cast<char>(0x80 | (character & 0x3F)));
  }
}

}  // namespace

std::string utf8FromCodePage1252(std::string_view bytes) {
  std::string text;
  for (const char c : bytes) {
    const auto byte = static_cast<unsigned char>(c);
    appendUtf8(text, byte >= 0x80 && byte < 0xA0 ? kUpperControlRange.at(byte - 0x80) : byte);
  }
  return text;
}

}  // namespace kvn::e2e
