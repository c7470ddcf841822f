#include "record_bytes_reader.h"

#include <algorithm>
#include <charconv>
#include <cstddef>
#include <vector>

#include "json_fields.h"

namespace kvnsim {

namespace {

// Hexadecimal digits, or {"text": "..."} for the UTF-8 bytes of a text,
// which is easier to read in a text field; its terminator is a byte of its
// own, which the zero fill gives.
std::string readRun(const nlohmann::json& run, const std::string& path) {
  if (run.is_object()) {
    const JsonObject object(run, path, {"text"});
    const nlohmann::json& text = object.require("text");
    if (!text.is_string()) {
      reportProblem(object.pathOf("text"), "expected a string");
    }
    return text.get<std::string>();
  }
  if (!run.is_string()) {
    reportProblem(path, R"(expected hexadecimal digits or {"text": ...})");
  }
  std::string digits = run.get<std::string>();
  std::erase(digits, ' ');
  return decodeHex(digits, path);
}

}  // namespace

void readRecordBytes(const nlohmann::json& value, const std::string& path,
                     std::span<unsigned char> record) {
  if (!value.is_object()) {
    reportProblem(path, R"(expected an object of hexadecimal bytes by offset, as {"104": "2A00"})");
  }
  const std::string size = std::to_string(record.size());
  // The offset of the run that gave each byte, so that an overlap names both;
  // the record's size for a byte no run gave.
  std::vector<std::size_t> givenBy(record.size(), record.size());
  for (const auto& [key, run] : value.items()) {
    const std::string runPath = memberPath(path, key);
    std::size_t offset = 0;
    const auto [end, failure] = std::from_chars(key.data(), key.data() + key.size(), offset);
    if (failure != std::errc() || end != key.data() + key.size() || key.empty() ||
        offset >= record.size()) {
      reportProblem(runPath,
                    inQuotes(key) + " is not an offset within the " + size + "-byte record");
    }
    const std::string bytes = readRun(run, runPath);
    if (bytes.empty()) {
      reportProblem(runPath, "no bytes");
    }
    if (bytes.size() > record.size() - offset) {
      std::string problem = std::to_string(bytes.size());
      problem += " bytes at offset " + key;
      problem += " run past the end of the " + size + "-byte record";
      reportProblem(runPath, problem);
    }
    for (std::size_t i = 0; i < bytes.size(); ++i) {
      if (givenBy[offset + i] != record.size()) {
        reportProblem(runPath, "byte " + std::to_string(offset + i) +
                                   " is also given by the run at offset " +
                                   std::to_string(givenBy[offset + i]));
      }
      givenBy[offset + i] = offset;
      record[offset + i] = static_cast<unsigned char>(bytes[i]);
    }
  }
}

}  // namespace kvnsim
