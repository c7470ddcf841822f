#include "kvnshow/text_reports/report_text.h"

#include <charconv>
#include <cstring>

namespace kvn {

void ReportText::addBeyondRoom(std::string_view text) {
  writeOut();
  if (text.size() > buffer_.size()) {
    writer_(target_, text);
    return;
  }
  std::memcpy(buffer_.data(), text.data(), text.size());
  used_ = text.size();
}

void ReportText::addLeftAligned(std::string_view text, std::size_t width) {
  add(text);
  for (std::size_t i = text.size(); i < width; ++i) {
    add(' ');
  }
}

void ReportText::addDecimal(std::int64_t value, std::size_t width) {
  // Most of the data formats' numbers are one digit. (A second to_chars here
  // would take the first one's inlining, and the text reports' speed.)
  if (width == 0 && value >= 0 && value <= 9) {
    add(static_cast<char>('0' + value));
    return;
  }
  std::array<char, kLongestDecimal> digits{};
  const auto converted = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  const auto length = static_cast<std::size_t>(converted.ptr - digits.data());
  for (std::size_t i = length; i < width; ++i) {
    add(' ');
  }
  if (buffer_.size() - used_ < digits.size()) {
    writeOut();
  }
  // All the room the longest number takes is copied, a fixed length that
  // needs no call; only its own digits count.
  std::memcpy(buffer_.data() + used_, digits.data(), digits.size());
  used_ += length;
}

void ReportText::addHex8(std::uint32_t value) {
  static constexpr std::string_view kDigits = "0123456789ABCDEF";
  std::array<char, 8> digits{};
  for (std::size_t i = 0; i < digits.size(); ++i) {
    digits[digits.size() - 1 - i] = kDigits[(value >> (4 * i)) & 0xFU];
  }
  add(std::string_view(digits.data(), digits.size()));
}

void ReportText::writeOut() {
  if (used_ > 0) {
    writer_(target_, std::string_view(buffer_.data(), used_));
    used_ = 0;
  }
}

}  // namespace kvn
