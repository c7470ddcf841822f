#include "fax_reader.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <span>
#include <string_view>
#include <utility>

#include "json_fields.h"
#include "record_bytes_reader.h"
#include "record_writer.h"

namespace kvnsim {

using nlohmann::json;

namespace {

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

// The fields of the list entry, each at its offset.
void writeEntryFields(const JsonObject& object, std::uint32_t handle, unsigned char* entry) {
  namespace fe = kvn::fax_entry;
  writeU32(entry, fe::kFaxHandle, handle);
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
}

// A record given as raw bytes is whole: no field may be given beside it.
void refuseBesideRawBytes(const JsonObject& object, std::string_view raw,
                          std::span<const std::string_view> fields) {
  for (const std::string_view field : fields) {
    if (object.find(field) != nullptr) {
      reportProblem(object.pathOf(field), "cannot be given beside " + std::string(raw) +
                                              ", which holds the whole record");
    }
  }
}

}  // namespace

ExplicitFax readFax(const json& value, const std::string& path, std::uint32_t defaultHandle) {
  static constexpr std::array<std::string_view, 8> kEntryFields{
      "flags", "time", "pages", "errorCode", "fine", "cover", "uniqueId", "faxUserId"};
  static constexpr std::array<std::string_view, 1> kDetailsMember{"details"};
  const JsonObject object(
      value, path,
      {"handle", "flags", "time", "pages", "errorCode", "fine", "cover", "folder", "uniqueId",
       "faxUserId", "details", "entryBytes", "detailBytes"});
  namespace fe = kvn::fax_entry;
  ExplicitFax fax;
  fax.details.assign(kvn::extended_fax::kSize, 0);
  unsigned char* entry = fax.entry.data();

  const json* handle = object.find("handle");
  fax.handle =
      handle != nullptr ? readFieldBits(*handle, object.pathOf("handle"), 32) : defaultHandle;
  if (const json* bytes = object.find("entryBytes")) {
    // The handle and the folder then only tell the library which fax the
    // entry is; they write nothing into it.
    refuseBesideRawBytes(object, "entryBytes", kEntryFields);
    readRecordBytes(*bytes, object.pathOf("entryBytes"), fax.entry);
    if (const json* folder = object.find("folder")) {
      fax.folder = static_cast<std::uint16_t>(readFieldBits(*folder, object.pathOf("folder"), 16));
    }
  } else {
    writeEntryFields(object, fax.handle, entry);
    fax.folder = kvn::readU16(entry, fe::kFolder);
  }

  unsigned char* record = fax.details.data();
  if (const json* bytes = object.find("detailBytes")) {
    refuseBesideRawBytes(object, "detailBytes", kDetailsMember);
    readRecordBytes(*bytes, object.pathOf("detailBytes"), fax.details);
    return fax;
  }
  writeU16(record, xf::kPages, kvn::readU16(entry, fe::kPages));
  writeU16(record, xf::kFolder, fax.folder);
  if (const json* details = object.find("details")) {
    readDetails(*details, object.pathOf("details"), record);
  }
  return fax;
}

}  // namespace kvnsim
