// Reads the server-wide parts of a description: the release, the time zone
// of the server information record, and the error texts.
#ifndef KVNSIM_SERVER_SETTINGS_READER_H
#define KVNSIM_SERVER_SETTINGS_READER_H

#include <cstdint>
#include <map>
#include <nlohmann/json.hpp>
#include <string>

#include "server_description.h"

namespace kvnsim {

// "M.mm" as 0xMmm (release 5.20 is 0x520), or a plain integer.
std::uint32_t readRelease(const nlohmann::json& value, const std::string& path);

TimeZone readTimeZone(const nlohmann::json& value, const std::string& path);

// Texts by decimal error code, as "-2" or "4294967295".
std::map<std::int32_t, std::string> readErrorTexts(const nlohmann::json& value,
                                                   const std::string& path);

}  // namespace kvnsim

#endif  // KVNSIM_SERVER_SETTINGS_READER_H
