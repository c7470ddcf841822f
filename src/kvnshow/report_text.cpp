#include "kvnshow/report_text.h"

#include <charconv>
#include <cstring>

namespace kvn {

void ReportText::addBeyondRoom(std::string_view text) {
  writeOut();
  if (text.size() > buffer_.size()) {
    std::fwrite(text.data(), 1, text.size(), out_);
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
  std::array<char, 20> digits{};  // "-9223372036854775808"
  const auto converted = std::to_chars(digits.data(), digits.data() + digits.size(), value);
  const std::string_view number(digits.data(),
                                static_cast<std::size_t>(converted.ptr - digits.data()));
  for (std::size_t i = number.size(); i < width; ++i) {
    add(' ');
  }
  add(number);
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
    std::fwrite(buffer_.data(), 1, used_, out_);
    used_ = 0;
  }
}

}  // namespace kvn
