#include "kvnshow/utf8_from_ansi.h"

#include <algorithm>
#include <climits>

#if defined(_WIN32)
#include <windows.h>
#else
#include <array>
#include <cstdint>
#endif

namespace kvn {

namespace {

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

#if !defined(_WIN32)
// Windows-1252 from 0x80 to 0x9F; 0xA0 to 0xFF are U+00A0 to U+00FF. The five
// bytes the code page leaves undefined become the C1 controls of the same
// value, as Windows itself converts them.
constexpr std::array<std::uint16_t, 32> kCp1252From0x80 = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

void appendUtf8(std::string& utf8, std::uint32_t codePoint) {
  if (codePoint < 0x80) {
    utf8 += static_cast<char>(codePoint);
  } else if (codePoint < 0x800) {
    utf8 += static_cast<char>(0xC0 | (codePoint >> 6));
    utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
  } else {
    utf8 += static_cast<char>(0xE0 | (codePoint >> 12));
    utf8 += static_cast<char>(0x80 | ((codePoint >> 6) & 0x3F));
    utf8 += static_cast<char>(0x80 | (codePoint & 0x3F));
  }
}
#endif

}  // namespace

void Utf8FromAnsi::reserve(std::size_t longestAnsi) {
  // A byte of a code page is at most one UTF-16 unit, and a unit at most
  // three bytes of UTF-8 (a pair of them, from four bytes, four).
  constexpr std::size_t kLongestUtf8PerByte = 3;
  utf8_.reserve(longestAnsi * kLongestUtf8PerByte);
#if defined(_WIN32)
  wide_.reserve(longestAnsi);
#endif
}

std::string_view Utf8FromAnsi::convert(std::string_view ansi) {
  if (isAscii(ansi)) {
    return ansi;
  }
#if defined(_WIN32)
  // Record texts are far shorter than INT_MAX; a longer one is cut there.
  const int length = static_cast<int>(std::min<std::size_t>(ansi.size(), INT_MAX));
  const int wideLength = MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, nullptr, 0);
  wide_.resize(static_cast<std::size_t>(std::max(wideLength, 0)));
  MultiByteToWideChar(CP_ACP, 0, ansi.data(), length, wide_.data(), wideLength);
  const int utf8Length =
      WideCharToMultiByte(CP_UTF8, 0, wide_.data(), wideLength, nullptr, 0, nullptr, nullptr);
  utf8_.resize(static_cast<std::size_t>(std::max(utf8Length, 0)));
  WideCharToMultiByte(CP_UTF8, 0, wide_.data(), wideLength, utf8_.data(), utf8Length, nullptr,
                      nullptr);
#else
  utf8_.clear();
  for (const char c : ansi) {
    const auto byte = static_cast<unsigned char>(c);
    appendUtf8(utf8_, byte >= 0x80 && byte < 0xA0 ? kCp1252From0x80[byte - 0x80] : byte);
  }
#endif
  return utf8_;
}

}  // namespace kvn
