#include "utf16_text.h"

namespace kvnsim {

std::u16string utf16FromUtf8(std::string_view utf8) {
  std::u16string text;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1   ? lead
                    : length == 2 ? lead & 0x1FU
                    : length == 3 ? lead & 0x0FU
                                  : lead & 0x07U;
    for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3FU);
    }
    i += length;
    if (code >= 0x10000) {
      code -= 0x10000;
      text.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      text.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FFU)));
    } else {
      text.push_back(static_cast<char16_t>(code));
    }
  }
  return text;
}

}  // namespace kvnsim
