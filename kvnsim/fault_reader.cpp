#include "fault_reader.h"

#include <cstdint>

#include "json_fields.h"

namespace kvnsim {

using nlohmann::json;

namespace {

constexpr std::int32_t kDefaultConnectError = 10060;
constexpr std::int32_t kDefaultServerInfoError = 11030;
constexpr std::int32_t kDefaultUserLookupError = 11020;
constexpr std::int32_t kDefaultFaxListError = 11040;
constexpr std::int32_t kDefaultSortError = 11041;
constexpr std::int32_t kDefaultWalkError = 11042;
constexpr std::int32_t kDefaultLoadFaxError = 11050;

std::int32_t readFaultError(const JsonObject& fault, std::int32_t defaultError) {
  const json* error = fault.find("error");
  if (error == nullptr) {
    return defaultError;
  }
  const std::int32_t code = readSigned32(*error, fault.pathOf("error"));
  if (code == 0) {
    reportProblem(fault.pathOf("error"), "0 means success; a fault needs a non-zero error");
  }
  return code;
}

std::int32_t readErrorOnlyFault(const json& value, const std::string& path,
                                std::int32_t defaultError) {
  return readFaultError(JsonObject(value, path, {"error"}), defaultError);
}

}  // namespace

Faults readFaults(const json& value, const std::string& path) {
  const JsonObject object(value, path,
                          {"connect", "releaseRefused", "serverInfo", "userLookup", "faxList",
                           "sort", "walk", "loadFax"});
  Faults faults;
  if (const json* connect = object.find("connect")) {
    const JsonObject fault(*connect, object.pathOf("connect"), {"failures", "error"});
    ConnectFault result;
    if (const json* failures = fault.find("failures")) {
      if (failures->is_string() && failures->get_ref<const std::string&>() == "always") {
        result.failures.reset();
      } else if (failures->is_number_integer()) {
        result.failures = static_cast<std::uint64_t>(
            readInteger(*failures, fault.pathOf("failures"), 0, INT64_MAX));
      } else {
        reportProblem(fault.pathOf("failures"), "expected a count or \"always\"");
      }
    }
    result.error = readFaultError(fault, kDefaultConnectError);
    faults.connect = result;
  }
  if (const json* refused = object.find("releaseRefused")) {
    faults.releaseRefused = readBoolean(*refused, object.pathOf("releaseRefused"));
  }
  if (const json* serverInfo = object.find("serverInfo")) {
    const JsonObject fault(*serverInfo, object.pathOf("serverInfo"), {"failFrom", "error"});
    ServerInfoFault result;
    if (const json* failFrom = fault.find("failFrom")) {
      result.failFrom = static_cast<std::uint32_t>(
          readInteger(*failFrom, fault.pathOf("failFrom"), 1, UINT32_MAX));
    }
    result.error = readFaultError(fault, kDefaultServerInfoError);
    faults.serverInfo = result;
  }
  if (const json* userLookup = object.find("userLookup")) {
    faults.userLookupError =
        readErrorOnlyFault(*userLookup, object.pathOf("userLookup"), kDefaultUserLookupError);
  }
  if (const json* faxList = object.find("faxList")) {
    faults.faxListError =
        readErrorOnlyFault(*faxList, object.pathOf("faxList"), kDefaultFaxListError);
  }
  if (const json* sort = object.find("sort")) {
    faults.sortError = readErrorOnlyFault(*sort, object.pathOf("sort"), kDefaultSortError);
  }
  if (const json* walk = object.find("walk")) {
    const JsonObject fault(*walk, object.pathOf("walk"), {"failAfter", "error"});
    WalkFault result;
    if (const json* failAfter = fault.find("failAfter")) {
      result.failAfter = static_cast<std::uint64_t>(
          readInteger(*failAfter, fault.pathOf("failAfter"), 0, UINT32_MAX));
    }
    result.error = readFaultError(fault, kDefaultWalkError);
    faults.walk = result;
  }
  if (const json* loadFax = object.find("loadFax")) {
    const JsonObject fault(*loadFax, object.pathOf("loadFax"), {"handles", "error"});
    LoadFaxFault result;
    const std::string handlesPath = fault.pathOf("handles");
    const json& handles = requireArray(fault.require("handles"), handlesPath);
    for (std::size_t i = 0; i < handles.size(); ++i) {
      result.handles.insert(readFieldBits(handles[i], elementPath(handlesPath, i), 32));
    }
    result.error = readFaultError(fault, kDefaultLoadFaxError);
    faults.loadFax = result;
  }
  return faults;
}

}  // namespace kvnsim
