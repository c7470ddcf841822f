#include "server_settings_reader.h"

#include <array>
#include <charconv>
#include <string_view>
#include <utility>

#include "json_fields.h"
#include "utf16_text.h"

namespace kvnsim {

using nlohmann::json;

namespace {

constexpr std::size_t kTimeZoneNameUnits = 32;  // WCHARs, terminator included

std::u16string readTimeZoneName(const json& value, const std::string& path) {
  if (!value.is_string()) {
    reportProblem(path, "expected a string");
  }
  // The parser has checked the UTF-8 already.
  std::u16string name = utf16FromUtf8(value.get_ref<const std::string&>());
  if (name.size() >= kTimeZoneNameUnits) {
    reportProblem(path,
                  "longer than " + std::to_string(kTimeZoneNameUnits - 1) + " UTF-16 characters");
  }
  return name;
}

TransitionDate readTransitionDate(const json& value, const std::string& path) {
  static constexpr std::array<std::string_view, 8> kMembers{
      "year", "month", "dayOfWeek", "day", "hour", "minute", "second", "milliseconds"};
  const JsonObject object(value, path, kMembers);
  TransitionDate date{};
  for (std::size_t i = 0; i < kMembers.size(); ++i) {
    if (const json* member = object.find(kMembers[i])) {
      date[i] = static_cast<std::uint16_t>(readFieldBits(*member, object.pathOf(kMembers[i]), 16));
    }
  }
  return date;
}

}  // namespace

std::uint32_t readRelease(const json& value, const std::string& path) {
  if (value.is_number_integer()) {
    return readFieldBits(value, path, 32);
  }
  if (!value.is_string()) {
    reportProblem(path, "expected a release as \"5.30\" or an integer");
  }
  const auto& text = value.get_ref<const std::string&>();
  const auto dot = text.find('.');
  const bool wellFormed = dot != std::string::npos && dot >= 1 && dot <= 2 &&
                          text.size() == dot + 3 &&
                          text.find_first_not_of("0123456789.") == std::string::npos &&
                          text.find('.', dot + 1) == std::string::npos;
  if (!wellFormed) {
    reportProblem(path, inQuotes(text) + R"( is not a release as "5.30")");
  }
  std::uint32_t release = 0;
  for (const char c : text) {
    if (c != '.') {
      release = release * 16 + static_cast<std::uint32_t>(c - '0');
    }
  }
  return release;
}

TimeZone readTimeZone(const json& value, const std::string& path) {
  const JsonObject object(value, path,
                          {"state", "bias", "standardBias", "daylightBias", "standardName",
                           "daylightName", "standardDate", "daylightDate"});
  TimeZone zone;
  if (const json* state = object.find("state")) {
    zone.state = static_cast<std::int16_t>(readFieldBits(*state, object.pathOf("state"), 16));
  }
  const std::pair<std::string_view, std::int32_t*> biases[] = {
      {"bias", &zone.bias},
      {"standardBias", &zone.standardBias},
      {"daylightBias", &zone.daylightBias}};
  for (const auto& [name, target] : biases) {
    if (const json* bias = object.find(name)) {
      *target = readSigned32(*bias, object.pathOf(name));
    }
  }
  if (const json* name = object.find("standardName")) {
    zone.standardName = readTimeZoneName(*name, object.pathOf("standardName"));
  }
  if (const json* name = object.find("daylightName")) {
    zone.daylightName = readTimeZoneName(*name, object.pathOf("daylightName"));
  }
  if (const json* date = object.find("standardDate")) {
    zone.standardDate = readTransitionDate(*date, object.pathOf("standardDate"));
  }
  if (const json* date = object.find("daylightDate")) {
    zone.daylightDate = readTransitionDate(*date, object.pathOf("daylightDate"));
  }
  return zone;
}

std::map<std::int32_t, std::string> readErrorTexts(const json& value, const std::string& path) {
  if (!value.is_object()) {
    reportProblem(path, "expected an object of texts by decimal error code");
  }
  std::map<std::int32_t, std::string> texts;
  for (const auto& [key, text] : value.items()) {
    const std::string textPath = memberPath(path, key);
    std::int64_t code = 0;
    const auto [end, failure] = std::from_chars(key.data(), key.data() + key.size(), code);
    if (failure != std::errc() || end != key.data() + key.size() || key.empty() ||
        code < INT32_MIN || code > UINT32_MAX) {
      reportProblem(textPath, inQuotes(key) + " is not a 32-bit decimal error code");
    }
    texts[static_cast<std::int32_t>(static_cast<std::uint32_t>(code))] = readText(text, textPath);
  }
  return texts;
}

}  // namespace kvnsim
