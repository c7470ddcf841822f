// The harnesses' own reading of the record layouts, straight from the bytes,
// to check the program's record views and renderings against.
#ifndef KVN_FUZZ_RAW_LAYOUT_H
#define KVN_FUZZ_RAW_LAYOUT_H

#include <cstddef>
#include <cstdint>
#include <string>

// An unsigned little-endian number of count bytes (at most 8).
inline std::uint64_t littleEndian(const unsigned char* bytes, std::size_t count) {
  std::uint64_t value = 0;
  for (std::size_t i = count; i-- > 0;) {
    value = (value << 8U) | bytes[i];
  }
  return value;
}

// A text field: its bytes up to the first zero byte within its room, or the
// whole room when it holds none.
inline std::string textField(const unsigned char* record, std::size_t offset, std::size_t room) {
  std::string text;
  for (std::size_t i = offset; i < offset + room && record[i] != 0; ++i) {
    text += static_cast<char>(record[i]);
  }
  return text;
}

#endif  // KVN_FUZZ_RAW_LAYOUT_H
