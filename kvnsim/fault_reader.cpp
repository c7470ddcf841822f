#include "fault_reader.h"

#include <cstdint>
#include <optional>
#include <string_view>

#include "error_codes.h"
#include "json_fields.h"

namespace kvnsim {

using nlohmann::json;

namespace {

// A fault without an error of its own fails with the code the library gives
// that failure.
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

// A fault that strikes once a count is reached ("failFrom", "failAfter"):
// the count, when the description gives it, within [minimum, maximum].
struct CountedFault {
  std::optional<std::int64_t> count;
  std::int32_t error = 0;
};

CountedFault readCountedFault(const json& value, const std::string& path,
                              std::string_view countName, std::int64_t minimum,
                              std::int64_t maximum, std::int32_t defaultError) {
  const JsonObject fault(value, path, {countName, std::string_view("error")});
  CountedFault result;
  if (const json* count = fault.find(countName)) {
    result.count = readInteger(*count, fault.pathOf(countName), minimum, maximum);
  }
  result.error = readFaultError(fault, defaultError);
  return result;
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
    result.error = readFaultError(fault, error::kConnectionTimedOut);
    faults.connect = result;
  }
  if (const json* refused = object.find("releaseRefused")) {
    faults.releaseRefused = readBoolean(*refused, object.pathOf("releaseRefused"));
  }
  if (const json* serverInfo = object.find("serverInfo")) {
    const CountedFault fault = readCountedFault(*serverInfo, object.pathOf("serverInfo"),
                                                "failFrom", 1, UINT32_MAX, error::kServerInfo);
    ServerInfoFault result;
    result.failFrom = static_cast<std::uint32_t>(fault.count.value_or(result.failFrom));
    result.error = fault.error;
    faults.serverInfo = result;
  }
  if (const json* userLookup = object.find("userLookup")) {
    faults.userLookupError =
        readErrorOnlyFault(*userLookup, object.pathOf("userLookup"), error::kUserNotFound);
  }
  if (const json* faxList = object.find("faxList")) {
    faults.faxListError = readErrorOnlyFault(*faxList, object.pathOf("faxList"), error::kFaxList);
  }
  if (const json* sort = object.find("sort")) {
    faults.sortError = readErrorOnlyFault(*sort, object.pathOf("sort"), error::kSort);
  }
  if (const json* walk = object.find("walk")) {
    const CountedFault fault = readCountedFault(*walk, object.pathOf("walk"), "failAfter", 0,
                                                UINT32_MAX, error::kListRead);
    WalkFault result;
    result.failAfter = static_cast<std::uint64_t>(fault.count.value_or(0));
    result.error = fault.error;
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
    result.error = readFaultError(fault, error::kLoadFax);
    faults.loadFax = result;
  }
  return faults;
}

}  // namespace kvnsim
