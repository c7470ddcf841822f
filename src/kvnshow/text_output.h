// Writing a record's text fields, which are views and not terminated strings.
#ifndef KVNSHOW_TEXT_OUTPUT_H
#define KVNSHOW_TEXT_OUTPUT_H

#include <cstdio>
#include <string_view>

namespace kvn {

// The bytes of text as they are.
inline void writeText(std::FILE* out, std::string_view text) {
  std::fwrite(text.data(), 1, text.size(), out);
}

// The bytes of text, then blanks up to width characters; a longer text is
// written whole.
inline void writeLeftAligned(std::FILE* out, std::string_view text, std::size_t width) {
  writeText(out, text);
  for (std::size_t i = text.size(); i < width; ++i) {
    std::fputc(' ', out);
  }
}

}  // namespace kvn

#endif  // KVNSHOW_TEXT_OUTPUT_H
