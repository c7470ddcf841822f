// Typed, checked access to the members of a server description. Every
// problem is reported with the path of the value at fault, as
// users[0].faxes[2].pages, by throwing DescriptionProblem; the loader turns
// it into a result and nothing leaves the library.
#ifndef KVNSIM_JSON_FIELDS_H
#define KVNSIM_JSON_FIELDS_H

#include <cstdint>
#include <initializer_list>
#include <nlohmann/json.hpp>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

namespace kvnsim {

class DescriptionProblem : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

[[noreturn]] void reportProblem(const std::string& path, const std::string& problem);

std::string inQuotes(std::string_view text);
std::string memberPath(const std::string& path, std::string_view member);
std::string elementPath(const std::string& path, std::size_t index);

// Parses JSON text; a repeated member name within one object is an error too,
// since the later value would silently replace the earlier one.
nlohmann::json parseDescriptionJson(std::string_view text);

// One JSON object whose members must be among those allowed at its place.
class JsonObject {
 public:
  JsonObject(const nlohmann::json& value, std::string path,
             std::span<const std::string_view> allowedMembers);
  JsonObject(const nlohmann::json& value, std::string path,
             std::initializer_list<std::string_view> allowedMembers)
      : JsonObject(value, std::move(path),
                   std::span(allowedMembers.begin(), allowedMembers.size())) {}

  const nlohmann::json* find(std::string_view member) const;
  const nlohmann::json& require(std::string_view member) const;
  std::string pathOf(std::string_view member) const { return memberPath(path_, member); }

 private:
  const nlohmann::json& value_;
  std::string path_;
};

const nlohmann::json& requireArray(const nlohmann::json& value, const std::string& path);

// An integer within [minimum, maximum].
std::int64_t readInteger(const nlohmann::json& value, const std::string& path, std::int64_t minimum,
                         std::int64_t maximum);

// An integer for a field of the given width in bits: any value that is valid
// signed or unsigned at that width; the result is its two's complement bits.
std::uint32_t readFieldBits(const nlohmann::json& value, const std::string& path, int widthBits);

// A 32-bit field read as signed.
std::int32_t readSigned32(const nlohmann::json& value, const std::string& path);

bool readBoolean(const nlohmann::json& value, const std::string& path);

// A JSON string (its UTF-8 bytes) or {"hex": "..."} for any bytes.
std::string readText(const nlohmann::json& value, const std::string& path);

// The bytes that pairs of hexadecimal digits spell, as "41420A".
std::string decodeHex(std::string_view digits, const std::string& path);

}  // namespace kvnsim

#endif  // KVNSIM_JSON_FIELDS_H
