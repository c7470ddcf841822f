// Writers for the packed little-endian records the library fills. Every field
// is written byte by byte so that no alignment or byte order is assumed.
#ifndef KVNSIM_RECORD_WRITER_H
#define KVNSIM_RECORD_WRITER_H

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "kvnapi/kvnrecords.h"

namespace kvnsim {

inline void writeU8(unsigned char* record, std::size_t offset, std::uint8_t value) {
  record[offset] = value;
}

inline void writeU16(unsigned char* record, std::size_t offset, std::uint16_t value) {
  record[offset] = static_cast<unsigned char>(value & 0xFFU);
  record[offset + 1] = static_cast<unsigned char>(value >> 8);
}

inline void writeU32(unsigned char* record, std::size_t offset, std::uint32_t value) {
  for (std::size_t i = 0; i < 4; ++i) {
    record[offset + i] = static_cast<unsigned char>((value >> (8 * i)) & 0xFFU);
  }
}

// Copies the bytes into the field's room and ends them with a terminator when
// one fits; a value as long as the room or longer fills it without one.
inline void writeText(unsigned char* record, kvn::TextField field, std::string_view bytes) {
  const std::size_t length = std::min(bytes.size(), field.room);
  std::copy_n(bytes.begin(), length, record + field.offset);
  if (length < field.room) {
    record[field.offset + length] = 0;
  }
}

}  // namespace kvnsim

#endif  // KVNSIM_RECORD_WRITER_H
