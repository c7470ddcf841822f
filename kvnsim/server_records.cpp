#include "server_records.h"

#include "record_writer.h"

namespace kvnsim {

namespace {

namespace si = kvn::server_info;

// The parts of the TIME_ZONE_INFORMATION at kTimeZone that the program does
// not read: the zone names (32 UTF-16 units each) and the transition dates.
constexpr std::size_t kStandardName = si::kTimeZone + 4;
constexpr std::size_t kStandardDate = si::kTimeZone + 68;
constexpr std::size_t kDaylightName = si::kTimeZone + 88;
constexpr std::size_t kDaylightDate = si::kTimeZone + 152;
static_assert(kStandardDate + 16 == si::kStandardBias);
static_assert(kDaylightDate + 16 == si::kDaylightBias);
static_assert(si::kDaylightBias + 4 == si::kTimeZone + si::kTimeZoneSize);

void writeUtf16Name(unsigned char* record, std::size_t offset, const std::u16string& name) {
  for (std::size_t i = 0; i < name.size(); ++i) {
    writeU16(record, offset + 2 * i, name[i]);
  }
  writeU16(record, offset + 2 * name.size(), 0);
}

void writeTransitionDate(unsigned char* record, std::size_t offset, const TransitionDate& date) {
  for (std::size_t i = 0; i < date.size(); ++i) {
    writeU16(record, offset + 2 * i, date[i]);
  }
}

}  // namespace

void writeServerInfo(const ServerDescription& server, unsigned char* record) {
  const TimeZone& zone = server.timeZone;
  writeText(record, si::kServerText, server.serverText);
  writeU16(record, si::kTimeZoneState, static_cast<std::uint16_t>(zone.state));
  writeU32(record, si::kBias, static_cast<std::uint32_t>(zone.bias));
  writeUtf16Name(record, kStandardName, zone.standardName);
  writeTransitionDate(record, kStandardDate, zone.standardDate);
  writeU32(record, si::kStandardBias, static_cast<std::uint32_t>(zone.standardBias));
  writeUtf16Name(record, kDaylightName, zone.daylightName);
  writeTransitionDate(record, kDaylightDate, zone.daylightDate);
  writeU32(record, si::kDaylightBias, static_cast<std::uint32_t>(zone.daylightBias));
}

void writeUserRecord(const User& user, unsigned char* record) {
  writeText(record, kvn::user_record::kQualifier, user.qualifier);
  writeText(record, kvn::user_record::kUserId, user.id);
  writeText(record, kvn::user_record::kUserName, user.name);
}

}  // namespace kvnsim
