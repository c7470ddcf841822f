#include "description_loader.h"

#include <array>
#include <charconv>
#include <chrono>
#include <new>
#include <utility>

#include "json_fields.h"
#include "record_writer.h"
#include "user_id.h"

namespace kvnsim {

using nlohmann::json;

namespace {

constexpr std::uint32_t kFirstExplicitHandle = 0x1000;
constexpr std::int32_t kDefaultConnectError = 10060;
constexpr std::int32_t kDefaultServerInfoError = 11030;
constexpr std::int32_t kDefaultUserLookupError = 11020;
constexpr std::int32_t kDefaultFaxListError = 11040;
constexpr std::int32_t kDefaultSortError = 11041;
constexpr std::int32_t kDefaultWalkError = 11042;
constexpr std::int32_t kDefaultLoadFaxError = 11050;
constexpr std::size_t kTimeZoneNameUnits = 32;  // WCHARs, terminator included

std::int32_t readSigned32(const json& value, const std::string& path) {
  return static_cast<std::int32_t>(readFieldBits(value, path, 32));
}

std::string hexHandle(std::uint32_t handle) {
  std::array<char, 8> digits{};
  for (std::size_t i = 0; i < digits.size(); ++i) {
    digits[digits.size() - 1 - i] = "0123456789ABCDEF"[(handle >> (4 * i)) & 0xFU];
  }
  return "0x" + std::string(digits.data(), digits.size());
}

// "M.mm" as 0xMmm (release 5.20 is 0x520), or a plain integer.
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

std::u16string readTimeZoneName(const json& value, const std::string& path) {
  if (!value.is_string()) {
    reportProblem(path, "expected a string");
  }
  // The parser has checked the UTF-8 already.
  const auto& utf8 = value.get_ref<const std::string&>();
  std::u16string name;
  for (std::size_t i = 0; i < utf8.size();) {
    const auto lead = static_cast<unsigned char>(utf8[i]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t code = length == 1   ? lead
                    : length == 2 ? lead & 0x1FU
                    : length == 3 ? lead & 0x0FU
                                  : lead & 0x07U;
    for (std::size_t k = 1; k < length && i + k < utf8.size(); ++k) {
      code = (code << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3FU);
    }
    i += length;
    if (code >= 0x10000) {
      code -= 0x10000;
      name.push_back(static_cast<char16_t>(0xD800 + (code >> 10)));
      name.push_back(static_cast<char16_t>(0xDC00 + (code & 0x3FFU)));
    } else {
      name.push_back(static_cast<char16_t>(code));
    }
  }
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

std::uint32_t readFlags(const json& value, const std::string& path) {
  if (value.is_number_integer()) {
    return readFieldBits(value, path, 32);
  }
  static constexpr std::array<std::pair<std::string_view, std::uint32_t>, 9> kFlagNames{{
      {"held", kvn::FaxFlagHeld},
      {"viewed", kvn::FaxFlagViewed},
      {"deleted", kvn::FaxFlagDeleted},
      {"received", kvn::FaxFlagReceived},
      {"forwarded", kvn::FaxFlagForwarded},
      {"printed", kvn::FaxFlagPrinted},
      {"approved", kvn::FaxFlagApproved},
      {"user1", kvn::FaxFlagUser1},
      {"user2", kvn::FaxFlagUser2},
  }};
  if (!value.is_array()) {
    reportProblem(path, "expected an integer or an array of flag names");
  }
  std::uint32_t flags = 0;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const json& name = value[i];
    const auto* const known =
        std::find_if(kFlagNames.begin(), kFlagNames.end(), [&name](const auto& flag) {
          return name.is_string() && name.get_ref<const std::string&>() == flag.first;
        });
    if (known == kFlagNames.end()) {
      reportProblem(elementPath(path, i), name.dump() + " is not a flag name");
    }
    flags |= known->second;
  }
  return flags;
}

// An integer, or "YYYY-MM-DD HH:MM:SS" counted from 1970 as the server
// counts its local time.
std::uint32_t readFaxTime(const json& value, const std::string& path) {
  if (value.is_number_integer()) {
    return readFieldBits(value, path, 32);
  }
  if (!value.is_string()) {
    reportProblem(path, "expected an integer or \"YYYY-MM-DD HH:MM:SS\"");
  }
  const auto& text = value.get_ref<const std::string&>();
  constexpr std::string_view kPattern = "dddd-dd-dd dd:dd:dd";
  bool wellFormed = text.size() == kPattern.size();
  for (std::size_t i = 0; wellFormed && i < text.size(); ++i) {
    wellFormed = kPattern[i] == 'd' ? text[i] >= '0' && text[i] <= '9' : text[i] == kPattern[i];
  }
  const auto number = [&text](std::size_t start, std::size_t length) {
    int result = 0;
    for (std::size_t i = start; i < start + length; ++i) {
      result = result * 10 + (text[i] - '0');
    }
    return result;
  };
  if (!wellFormed) {
    reportProblem(path, inQuotes(text) + R"( is not a time as "YYYY-MM-DD HH:MM:SS")");
  }
  const std::chrono::year_month_day date{std::chrono::year{number(0, 4)},
                                         std::chrono::month{static_cast<unsigned>(number(5, 2))},
                                         std::chrono::day{static_cast<unsigned>(number(8, 2))}};
  const std::int64_t hour = number(11, 2);
  const std::int64_t minute = number(14, 2);
  const std::int64_t second = number(17, 2);
  if (!date.ok() || hour > 23 || minute > 59 || second > 59) {
    reportProblem(path, inQuotes(text) + " is not a valid date and time");
  }
  const std::int64_t seconds =
      std::int64_t{std::chrono::sys_days(date).time_since_epoch().count()} * 86400 + hour * 3600 +
      minute * 60 + second;
  if (seconds < INT32_MIN || seconds > INT32_MAX) {
    reportProblem(path, inQuotes(text) + " does not fit a 32-bit time");
  }
  return static_cast<std::uint32_t>(static_cast<std::int32_t>(seconds));
}

// fine and cover: a bit set, or true/false for bit 0.
std::uint16_t readBitSet16(const json& value, const std::string& path) {
  if (value.is_boolean()) {
    return value.get<bool>() ? 1 : 0;
  }
  return static_cast<std::uint16_t>(readFieldBits(value, path, 16));
}

// A member of "details": a text field or an integer field of a given width.
struct DetailField {
  std::string_view name;
  int widthBits;  // 0 for a text
  std::size_t offset;
  kvn::TextField text;
};

constexpr DetailField integerDetail(std::string_view name, int widthBits, std::size_t offset) {
  return {name, widthBits, offset, {}};
}
constexpr DetailField textDetail(std::string_view name, kvn::TextField text) {
  return {name, 0, text.offset, text};
}

namespace xf = kvn::extended_fax;
constexpr std::array kDetailFields{
    textDetail("ownerId", xf::kOwnerId),
    integerDetail("jobId", 16, xf::kJobId),
    integerDetail("faxType", 16, xf::kFaxType),
    textDetail("faxFile", xf::kFaxFile),
    integerDetail("pages", 16, xf::kPages),
    integerDetail("paperType", 16, xf::kPaperType),
    integerDetail("printJobType", 16, xf::kPrintJobType),
    textDetail("toPhone", xf::kToPhone),
    textDetail("toContact", xf::kToContact),
    textDetail("toName", xf::kToName),
    textDetail("toCompany", xf::kToCompany),
    textDetail("toCityState", xf::kToCityState),
    textDetail("fromName", xf::kFromName),
    textDetail("fromPhone", xf::kFromPhone),
    textDetail("billInfo1", xf::kBillInfo1),
    textDetail("billInfo2", xf::kBillInfo2),
    textDetail("did", xf::kDid),
    textDetail("operatorPhone", xf::kOperatorPhone),
    textDetail("generalFaxPhone", xf::kGeneralFaxPhone),
    integerDetail("sendTime", 32, xf::kSendTime),
    integerDetail("status", 16, xf::kStatus),
    integerDetail("errorCode", 16, xf::kErrorCode),
    integerDetail("disposition", 16, xf::kDisposition),
    textDetail("remoteId", xf::kRemoteId),
    textDetail("coversheet", xf::kCoversheet),
    integerDetail("faxId", 16, xf::kFaxId),
    integerDetail("priority", 8, xf::kPriority),
    integerDetail("custom1", 16, xf::kCustom1),
    integerDetail("folder", 16, xf::kFolder),
    textDetail("comment", xf::kComment),
};

constexpr std::array<std::string_view, kDetailFields.size()> detailNames() {
  std::array<std::string_view, kDetailFields.size()> names{};
  for (std::size_t i = 0; i < names.size(); ++i) {
    names[i] = kDetailFields[i].name;
  }
  return names;
}

void readDetails(const json& value, const std::string& path, unsigned char* record) {
  static constexpr auto kNames = detailNames();
  const JsonObject object(value, path, kNames);
  for (const DetailField& field : kDetailFields) {
    const json* member = object.find(field.name);
    if (member == nullptr) {
      continue;
    }
    const std::string memberPathText = object.pathOf(field.name);
    switch (field.widthBits) {
      case 0:
        writeText(record, field.text, readText(*member, memberPathText));
        break;
      case 8:
        writeU8(record, field.offset,
                static_cast<std::uint8_t>(readFieldBits(*member, memberPathText, 8)));
        break;
      case 16:
        writeU16(record, field.offset,
                 static_cast<std::uint16_t>(readFieldBits(*member, memberPathText, 16)));
        break;
      default:
        writeU32(record, field.offset, readFieldBits(*member, memberPathText, 32));
        break;
    }
  }
}

ExplicitFax readFax(const json& value, const std::string& path, std::uint32_t defaultHandle) {
  const JsonObject object(value, path,
                          {"handle", "flags", "time", "pages", "errorCode", "fine", "cover",
                           "folder", "uniqueId", "faxUserId", "details"});
  namespace fe = kvn::fax_entry;
  ExplicitFax fax;
  fax.details.assign(kvn::extended_fax::kSize, 0);
  unsigned char* entry = fax.entry.data();

  const json* handle = object.find("handle");
  fax.handle =
      handle != nullptr ? readFieldBits(*handle, object.pathOf("handle"), 32) : defaultHandle;
  writeU32(entry, fe::kFaxHandle, fax.handle);
  if (const json* flags = object.find("flags")) {
    writeU32(entry, fe::kFlags, readFlags(*flags, object.pathOf("flags")));
  }
  if (const json* time = object.find("time")) {
    writeU32(entry, fe::kTime, readFaxTime(*time, object.pathOf("time")));
  }
  const std::pair<std::string_view, std::size_t> numbers[] = {
      {"pages", fe::kPages}, {"errorCode", fe::kErrorCode}, {"folder", fe::kFolder}};
  for (const auto& [name, offset] : numbers) {
    if (const json* number = object.find(name)) {
      writeU16(entry, offset,
               static_cast<std::uint16_t>(readFieldBits(*number, object.pathOf(name), 16)));
    }
  }
  const std::pair<std::string_view, std::size_t> bitSets[] = {{"fine", fe::kFine},
                                                              {"cover", fe::kCover}};
  for (const auto& [name, offset] : bitSets) {
    if (const json* bits = object.find(name)) {
      writeU16(entry, offset, readBitSet16(*bits, object.pathOf(name)));
    }
  }
  const std::pair<std::string_view, kvn::TextField> texts[] = {{"uniqueId", fe::kUniqueId},
                                                               {"faxUserId", fe::kFaxUserId}};
  for (const auto& [name, field] : texts) {
    if (const json* text = object.find(name)) {
      writeText(entry, field, readText(*text, object.pathOf(name)));
    }
  }
  fax.folder = kvn::readU16(entry, fe::kFolder);

  unsigned char* record = fax.details.data();
  writeU16(record, xf::kPages, kvn::readU16(entry, fe::kPages));
  writeU16(record, xf::kFolder, fax.folder);
  if (const json* details = object.find("details")) {
    readDetails(*details, object.pathOf("details"), record);
  }
  return fax;
}

User readUser(const json& value, const std::string& path, std::size_t userPosition,
              std::uint32_t& nextDefaultHandle) {
  const JsonObject object(value, path, {"qualifier", "id", "name", "faxes", "generate"});
  User user;
  user.id = readText(object.require("id"), object.pathOf("id"));
  if (user.id.empty()) {
    reportProblem(object.pathOf("id"), "a user ID must not be empty");
  }
  if (const json* qualifier = object.find("qualifier")) {
    user.qualifier = readText(*qualifier, object.pathOf("qualifier"));
  }
  if (const json* name = object.find("name")) {
    user.name = readText(*name, object.pathOf("name"));
  }
  if (const json* faxes = object.find("faxes")) {
    const std::string faxesPath = object.pathOf("faxes");
    requireArray(*faxes, faxesPath);
    user.faxes.reserve(faxes->size());
    for (std::size_t i = 0; i < faxes->size(); ++i) {
      user.faxes.push_back(readFax((*faxes)[i], elementPath(faxesPath, i), nextDefaultHandle++));
    }
  }
  if (const json* generate = object.find("generate")) {
    const JsonObject generation(*generate, object.pathOf("generate"), {"count", "seed"});
    if (userPosition >= kMaxUsersWithGeneratedFaxes) {
      reportProblem(object.pathOf("generate"), "only the first " +
                                                   std::to_string(kMaxUsersWithGeneratedFaxes) +
                                                   " users can have generated faxes");
    }
    GeneratedFaxes generated;
    generated.count = static_cast<std::uint32_t>(readInteger(
        generation.require("count"), generation.pathOf("count"), 0, kGeneratedHandleBlock));
    if (const json* seed = generation.find("seed")) {
      generated.seed = readFieldBits(*seed, generation.pathOf("seed"), 32);
    }
    generated.firstHandle =
        kGeneratedHandleBase + kGeneratedHandleBlock * static_cast<std::uint32_t>(userPosition);
    user.generated = generated;
  }
  return user;
}

std::string faxHandlePath(std::size_t user, std::size_t fax) {
  return memberPath(elementPath(memberPath(elementPath("users", user), "faxes"), fax), "handle");
}

// Indexes the explicit faxes by handle; a handle may stand for one fax only,
// explicit or generated.
void indexFaxHandles(ServerDescription& server) {
  for (std::size_t u = 0; u < server.users.size(); ++u) {
    for (std::size_t f = 0; f < server.users[u].faxes.size(); ++f) {
      const std::uint32_t handle = server.users[u].faxes[f].handle;
      const auto [existing, added] = server.explicitFaxIndex.try_emplace(handle, u, f);
      if (!added) {
        reportProblem(faxHandlePath(u, f),
                      "handle " + hexHandle(handle) + " repeats that of " +
                          faxHandlePath(existing->second.first, existing->second.second));
      }
      if (handle < kGeneratedHandleBase) {
        continue;
      }
      const std::size_t owner = (handle - kGeneratedHandleBase) / kGeneratedHandleBlock;
      const std::uint32_t position = (handle - kGeneratedHandleBase) % kGeneratedHandleBlock;
      if (owner < server.users.size() && server.users[owner].generated &&
          position < server.users[owner].generated->count) {
        reportProblem(faxHandlePath(u, f), "handle " + hexHandle(handle) +
                                               " repeats that of a generated fax of " +
                                               elementPath("users", owner));
      }
    }
  }
}

std::vector<User> readUsers(const json& value, const std::string& path) {
  requireArray(value, path);
  std::vector<User> users;
  users.reserve(value.size());
  std::uint32_t nextDefaultHandle = kFirstExplicitHandle;
  for (std::size_t i = 0; i < value.size(); ++i) {
    const std::string userPath = elementPath(path, i);
    users.push_back(readUser(value[i], userPath, i, nextDefaultHandle));
    for (std::size_t earlier = 0; earlier < i; ++earlier) {
      if (sameUserId(users[earlier].id, users[i].id)) {
        reportProblem(memberPath(userPath, "id"),
                      "repeats the ID of " + elementPath(path, earlier));
      }
    }
  }
  return users;
}

ServerDescription readDescription(const json& root) {
  if (!root.is_object()) {
    reportProblem("", "a description must be a JSON object");
  }
  const JsonObject object(
      root, "", {"apiVersion", "release", "serverText", "timeZone", "errors", "faults", "users"});
  ServerDescription server;
  if (const json* apiVersion = object.find("apiVersion")) {
    server.apiVersion = readSigned32(*apiVersion, "apiVersion");
  }
  if (const json* release = object.find("release")) {
    server.release = readRelease(*release, "release");
  }
  if (const json* serverText = object.find("serverText")) {
    server.serverText = readText(*serverText, "serverText");
  }
  if (const json* timeZone = object.find("timeZone")) {
    server.timeZone = readTimeZone(*timeZone, "timeZone");
  }
  if (const json* errors = object.find("errors")) {
    server.errorTexts = readErrorTexts(*errors, "errors");
  }
  if (const json* faults = object.find("faults")) {
    server.faults = readFaults(*faults, "faults");
  }
  if (const json* users = object.find("users")) {
    server.users = readUsers(*users, "users");
  }
  indexFaxHandles(server);
  return server;
}

}  // namespace

DescriptionLoad loadServerDescription(std::string_view jsonText) {
  DescriptionLoad load;
  try {
    load.server =
        std::make_shared<const ServerDescription>(readDescription(parseDescriptionJson(jsonText)));
  } catch (const DescriptionProblem& problem) {
    load.problem = problem.what();
  } catch (const std::bad_alloc&) {
    load.problem = "out of memory";
  } catch (const std::exception& failure) {
    load.problem = failure.what();
  } catch (...) {
    load.problem = "unexpected failure";
  }
  return load;
}

}  // namespace kvnsim
