// Reads a record given as raw bytes: an object of byte runs by decimal
// offset, each hexadecimal digits or a text, as
// {"0": "4D3C2B1A", "104": "2A00", "172": {"text": "RAW1"}}. A test server written
// this way pins every field to the offset its author wrote down, not to the
// offsets the program and this library share.
#ifndef KVNSIM_RECORD_BYTES_READER_H
#define KVNSIM_RECORD_BYTES_READER_H

#include <nlohmann/json.hpp>
#include <span>
#include <string>

namespace kvnsim {

// Writes each run into the zero-filled record. Blanks between the digits are
// ignored; a run past the record's end, or over bytes another run gave, is an
// error.
void readRecordBytes(const nlohmann::json& value, const std::string& path,
                     std::span<unsigned char> record);

}  // namespace kvnsim

#endif  // KVNSIM_RECORD_BYTES_READER_H
