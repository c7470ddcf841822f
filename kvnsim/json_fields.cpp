#include "json_fields.h"

#include <algorithm>
#include <set>
#include <vector>

namespace kvnsim {

using nlohmann::json;

namespace {

const char* typeName(const json& value) {
  if (value.is_number_integer()) {
    return "an integer";
  }
  if (value.is_number()) {
    return "a fractional number";
  }
  if (value.is_string()) {
    return "a string";
  }
  if (value.is_boolean()) {
    return "a boolean";
  }
  if (value.is_array()) {
    return "an array";
  }
  if (value.is_object()) {
    return "an object";
  }
  return "null";
}

[[noreturn]] void reportWrongType(const json& value, const std::string& path,
                                  std::string_view expected) {
  reportProblem(path, "expected " + std::string(expected) + ", found " + typeName(value));
}

int hexDigitValue(char c) {
  if (c >= '0' && c <= '9') {
    return c - '0';
  }
  if (c >= 'a' && c <= 'f') {
    return c - 'a' + 10;
  }
  if (c >= 'A' && c <= 'F') {
    return c - 'A' + 10;
  }
  return -1;
}

}  // namespace

void reportProblem(const std::string& path, const std::string& problem) {
  throw DescriptionProblem(path.empty() ? problem : path + ": " + problem);
}

std::string inQuotes(std::string_view text) {
  return '"' + std::string(text) + '"';
}

std::string memberPath(const std::string& path, std::string_view member) {
  return path.empty() ? std::string(member) : path + "." + std::string(member);
}

std::string elementPath(const std::string& path, std::size_t index) {
  return path + "[" + std::to_string(index) + "]";
}

json parseDescriptionJson(std::string_view text) {
  std::vector<std::set<std::string>> openObjects;
  const json::parser_callback_t rejectRepeatedMembers =
      [&openObjects](int /*depth*/, json::parse_event_t event, json& parsed) {
        if (event == json::parse_event_t::object_start) {
          openObjects.emplace_back();
        } else if (event == json::parse_event_t::object_end) {
          openObjects.pop_back();
        } else if (event == json::parse_event_t::key) {
          const auto& name = parsed.get_ref<const std::string&>();
          if (!openObjects.back().insert(name).second) {
            throw DescriptionProblem("member " + inQuotes(name) + " appears twice in one object");
          }
        }
        return true;
      };
  try {
    return json::parse(text.begin(), text.end(), rejectRepeatedMembers);
  } catch (const json::parse_error& error) {
    // Drop the library's "[json.exception.parse_error.101] " tag.
    std::string message = error.what();
    if (const auto tagEnd = message.find("] ");
        message.starts_with("[") && tagEnd != std::string::npos) {
      message.erase(0, tagEnd + 2);
    }
    throw DescriptionProblem("malformed JSON: " + message);
  }
}

JsonObject::JsonObject(const json& value, std::string path,
                       std::span<const std::string_view> allowedMembers)
    : value_(value), path_(std::move(path)) {
  if (!value_.is_object()) {
    reportWrongType(value_, path_, "an object");
  }
  for (const auto& [name, member] : value_.items()) {
    if (std::find(allowedMembers.begin(), allowedMembers.end(), name) == allowedMembers.end()) {
      reportProblem(pathOf(name), "unknown member");
    }
  }
}

const json* JsonObject::find(std::string_view member) const {
  const auto found = value_.find(member);
  return found == value_.end() ? nullptr : &*found;
}

const json& JsonObject::require(std::string_view member) const {
  const json* value = find(member);
  if (value == nullptr) {
    reportProblem(path_, "missing required member " + inQuotes(member));
  }
  return *value;
}

const json& requireArray(const json& value, const std::string& path) {
  if (!value.is_array()) {
    reportWrongType(value, path, "an array");
  }
  return value;
}

std::int64_t readInteger(const json& value, const std::string& path, std::int64_t minimum,
                         std::int64_t maximum) {
  if (!value.is_number_integer()) {
    reportWrongType(value, path, "an integer");
  }
  // Unsigned values may lie beyond the signed range, so compare them as such.
  const bool inRange =
      value.is_number_unsigned()
          ? value.get<std::uint64_t>() <= static_cast<std::uint64_t>(maximum) &&
                (minimum <= 0 || value.get<std::uint64_t>() >= static_cast<std::uint64_t>(minimum))
          : value.get<std::int64_t>() >= minimum && value.get<std::int64_t>() <= maximum;
  if (!inRange) {
    reportProblem(path, value.dump() + " is out of range " + std::to_string(minimum) + " to " +
                            std::to_string(maximum));
  }
  return value.get<std::int64_t>();
}

std::uint32_t readFieldBits(const json& value, const std::string& path, int widthBits) {
  const std::int64_t maximum = (std::int64_t{1} << widthBits) - 1;
  const std::int64_t minimum = -(std::int64_t{1} << (widthBits - 1));
  const std::int64_t number = readInteger(value, path, minimum, maximum);
  return static_cast<std::uint32_t>(number) &
         static_cast<std::uint32_t>(static_cast<std::uint64_t>(maximum));
}

bool readBoolean(const json& value, const std::string& path) {
  if (!value.is_boolean()) {
    reportWrongType(value, path, "true or false");
  }
  return value.get<bool>();
}

std::int32_t readSigned32(const json& value, const std::string& path) {
  return static_cast<std::int32_t>(readFieldBits(value, path, 32));
}

std::string readText(const json& value, const std::string& path) {
  if (value.is_string()) {
    return value.get<std::string>();
  }
  if (!value.is_object()) {
    reportWrongType(value, path, "a string or {\"hex\": ...}");
  }
  const JsonObject object(value, path, {"hex"});
  const std::string hexPath = object.pathOf("hex");
  const json& hex = object.require("hex");
  if (!hex.is_string()) {
    reportWrongType(hex, hexPath, "a string of hexadecimal digits");
  }
  return decodeHex(hex.get_ref<const std::string&>(), hexPath);
}

std::string decodeHex(std::string_view digits, const std::string& path) {
  if (digits.size() % 2 != 0) {
    reportProblem(path, "odd number of hexadecimal digits");
  }
  std::string bytes;
  bytes.reserve(digits.size() / 2);
  for (std::size_t i = 0; i < digits.size(); i += 2) {
    const int high = hexDigitValue(digits[i]);
    const int low = hexDigitValue(digits[i + 1]);
    if (high < 0 || low < 0) {
      reportProblem(path, inQuotes(digits) + " is not hexadecimal");
    }
    bytes.push_back(static_cast<char>(high * 16 + low));
  }
  return bytes;
}

}  // namespace kvnsim
