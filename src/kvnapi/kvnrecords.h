// The byte layouts of the records the client library fills: sizes, field
// offsets and readers. Fields are packed without alignment and little-endian,
// so they are read byte by byte, never through a cast pointer. A text field is
// read up to its terminator and never past its room (the bytes up to the next
// field the program reads); a room with no terminator is the whole room.
#ifndef KVNAPI_KVNRECORDS_H
#define KVNAPI_KVNRECORDS_H

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

namespace kvn {

struct TextField {
  std::size_t offset;
  std::size_t room;  // terminator included
};

inline std::uint8_t readU8(const unsigned char* record, std::size_t offset) {
  return record[offset];
}

inline std::uint16_t readU16(const unsigned char* record, std::size_t offset) {
  return static_cast<std::uint16_t>(record[offset] | (record[offset + 1] << 8));
}

inline std::int16_t readS16(const unsigned char* record, std::size_t offset) {
  return static_cast<std::int16_t>(readU16(record, offset));  // modular since C++20
}

inline std::uint32_t readU32(const unsigned char* record, std::size_t offset) {
  return static_cast<std::uint32_t>(record[offset]) |
         (static_cast<std::uint32_t>(record[offset + 1]) << 8) |
         (static_cast<std::uint32_t>(record[offset + 2]) << 16) |
         (static_cast<std::uint32_t>(record[offset + 3]) << 24);
}

inline std::int32_t readS32(const unsigned char* record, std::size_t offset) {
  return static_cast<std::int32_t>(readU32(record, offset));
}

inline std::string_view readText(const unsigned char* record, TextField field) {
  const char* start = reinterpret_cast<const char*>(record + field.offset);
  const void* end = std::memchr(start, '\0', field.room);
  return {start, end != nullptr ? static_cast<std::size_t>(static_cast<const char*>(end) - start)
                                : field.room};
}

// ServerInfoRecord, filled by KvnGetServerInfo2.
namespace server_info {
inline constexpr std::size_t kSize = 904;
inline constexpr TextField kServerText{12, 384};
inline constexpr std::size_t kTimeZoneState = 396;  // signed 16-bit: 2 standard, 3 daylight
inline constexpr std::size_t kTimeZone = 398;       // TIME_ZONE_INFORMATION, 172 bytes
inline constexpr std::size_t kTimeZoneSize = 172;
inline constexpr std::size_t kBias = 398;  // signed 32-bit minutes, local + bias = UTC
inline constexpr std::size_t kStandardBias = 482;
inline constexpr std::size_t kDaylightBias = 566;
inline constexpr std::int16_t kStandardTime = 2;
inline constexpr std::int16_t kDaylightTime = 3;
}  // namespace server_info

// UserRecord, filled by KvnLoadUser3.
namespace user_record {
inline constexpr std::size_t kSize = 1902;
inline constexpr TextField kQualifier{6, 26};
inline constexpr TextField kUserId{32, 22};
inline constexpr TextField kUserName{54, kSize - 54};
}  // namespace user_record

// FaxListEntry, one element of the list KvnGetFaxList hands out.
namespace fax_entry {
inline constexpr std::size_t kSize = 216;
inline constexpr std::size_t kFaxHandle = 0;    // unsigned 32-bit
inline constexpr std::size_t kFlags = 4;        // 32-bit set of FaxFlag* bits
inline constexpr std::size_t kTime = 8;         // signed 32-bit, server's local reckoning
inline constexpr std::size_t kPages = 104;      // signed 16-bit
inline constexpr std::size_t kErrorCode = 108;  // unsigned 16-bit, non-zero: has an error
inline constexpr std::size_t kFine = 114;       // bit 0: fine resolution
inline constexpr std::size_t kCover = 116;      // bit 0: has a cover sheet
inline constexpr TextField kUniqueId{172, 16};
inline constexpr std::size_t kFolder = 188;  // unsigned 16-bit, 0 = main folder
inline constexpr TextField kFaxUserId{194, kSize - 194};
}  // namespace fax_entry

// Bits of a FaxListEntry's flags.
inline constexpr std::uint32_t FaxFlagHeld = 0x2;
inline constexpr std::uint32_t FaxFlagViewed = 0x4;
inline constexpr std::uint32_t FaxFlagDeleted = 0x8;
inline constexpr std::uint32_t FaxFlagReceived = 0x10;
inline constexpr std::uint32_t FaxFlagForwarded = 0x200;
inline constexpr std::uint32_t FaxFlagPrinted = 0x2000;
inline constexpr std::uint32_t FaxFlagApproved = 0x1000000;
inline constexpr std::uint32_t FaxFlagUser1 = 0x4000000;
inline constexpr std::uint32_t FaxFlagUser2 = 0x8000000;

// ExtendedFaxRecord, filled by KvnLoadFax3.
namespace extended_fax {
inline constexpr std::size_t kSize = 1868;
inline constexpr TextField kOwnerId{4, 28};
inline constexpr std::size_t kJobId = 32;    // unsigned 16-bit
inline constexpr std::size_t kFaxType = 34;  // unsigned 16-bit
inline constexpr TextField kFaxFile{36, 28};
inline constexpr std::size_t kPages = 64;         // unsigned 16-bit
inline constexpr std::size_t kPaperType = 66;     // signed 16-bit
inline constexpr std::size_t kPrintJobType = 68;  // signed 16-bit
inline constexpr TextField kToPhone{124, 32};
inline constexpr TextField kToContact{156, 32};
inline constexpr TextField kToName{188, 60};
inline constexpr TextField kToCompany{248, 60};
inline constexpr TextField kToCityState{308, 60};
inline constexpr TextField kFromName{368, 60};
inline constexpr TextField kFromPhone{428, 32};
inline constexpr TextField kBillInfo1{460, 16};
inline constexpr TextField kBillInfo2{476, 16};
inline constexpr TextField kDid{492, 32};
inline constexpr TextField kOperatorPhone{524, 32};
inline constexpr TextField kGeneralFaxPhone{556, 38};
inline constexpr std::size_t kSendTime = 594;     // unsigned 32-bit seconds
inline constexpr std::size_t kStatus = 598;       // unsigned 16-bit
inline constexpr std::size_t kErrorCode = 600;    // unsigned 16-bit
inline constexpr std::size_t kDisposition = 602;  // unsigned 16-bit
inline constexpr TextField kRemoteId{606, 30};
inline constexpr TextField kCoversheet{636, 28};
inline constexpr std::size_t kFaxId = 664;     // unsigned 16-bit
inline constexpr std::size_t kPriority = 731;  // unsigned 8-bit
inline constexpr std::size_t kCustom1 = 734;   // unsigned 16-bit
inline constexpr std::size_t kFolder = 746;    // unsigned 16-bit
inline constexpr TextField kComment{880, kSize - 880};
}  // namespace extended_fax

// Read-only views that name the fields of a record the library filled. A view
// borrows the bytes; it is valid as long as they are.
class ServerInfoView {
 public:
  explicit ServerInfoView(const void* record) : bytes_(static_cast<const unsigned char*>(record)) {}
  std::string_view serverText() const { return readText(bytes_, server_info::kServerText); }
  std::int16_t timeZoneState() const { return readS16(bytes_, server_info::kTimeZoneState); }
  std::int32_t bias() const { return readS32(bytes_, server_info::kBias); }
  std::int32_t standardBias() const { return readS32(bytes_, server_info::kStandardBias); }
  std::int32_t daylightBias() const { return readS32(bytes_, server_info::kDaylightBias); }

 private:
  const unsigned char* bytes_;
};

class UserRecordView {
 public:
  explicit UserRecordView(const void* record) : bytes_(static_cast<const unsigned char*>(record)) {}
  std::string_view qualifier() const { return readText(bytes_, user_record::kQualifier); }
  std::string_view userId() const { return readText(bytes_, user_record::kUserId); }
  std::string_view userName() const { return readText(bytes_, user_record::kUserName); }

 private:
  const unsigned char* bytes_;
};

class FaxListEntryView {
 public:
  explicit FaxListEntryView(const void* entry) : bytes_(static_cast<const unsigned char*>(entry)) {}
  std::uint32_t faxHandle() const { return readU32(bytes_, fax_entry::kFaxHandle); }
  std::uint32_t flags() const { return readU32(bytes_, fax_entry::kFlags); }
  bool hasFlag(std::uint32_t flag) const { return (flags() & flag) != 0; }
  std::int32_t time() const { return readS32(bytes_, fax_entry::kTime); }
  std::int16_t pages() const { return readS16(bytes_, fax_entry::kPages); }
  std::uint16_t errorCode() const { return readU16(bytes_, fax_entry::kErrorCode); }
  bool fine() const { return (readU16(bytes_, fax_entry::kFine) & 1U) != 0; }
  bool cover() const { return (readU16(bytes_, fax_entry::kCover) & 1U) != 0; }
  std::string_view uniqueId() const { return readText(bytes_, fax_entry::kUniqueId); }
  std::uint16_t folder() const { return readU16(bytes_, fax_entry::kFolder); }
  std::string_view faxUserId() const { return readText(bytes_, fax_entry::kFaxUserId); }

 private:
  const unsigned char* bytes_;
};

class ExtendedFaxView {
 public:
  explicit ExtendedFaxView(const void* record)
      : bytes_(static_cast<const unsigned char*>(record)) {}
  std::string_view ownerId() const { return text(extended_fax::kOwnerId); }
  std::uint16_t jobId() const { return readU16(bytes_, extended_fax::kJobId); }
  std::uint16_t faxType() const { return readU16(bytes_, extended_fax::kFaxType); }
  std::string_view faxFile() const { return text(extended_fax::kFaxFile); }
  std::uint16_t pages() const { return readU16(bytes_, extended_fax::kPages); }
  std::int16_t paperType() const { return readS16(bytes_, extended_fax::kPaperType); }
  std::int16_t printJobType() const { return readS16(bytes_, extended_fax::kPrintJobType); }
  std::string_view toPhone() const { return text(extended_fax::kToPhone); }
  std::string_view toContact() const { return text(extended_fax::kToContact); }
  std::string_view toName() const { return text(extended_fax::kToName); }
  std::string_view toCompany() const { return text(extended_fax::kToCompany); }
  std::string_view toCityState() const { return text(extended_fax::kToCityState); }
  std::string_view fromName() const { return text(extended_fax::kFromName); }
  std::string_view fromPhone() const { return text(extended_fax::kFromPhone); }
  std::string_view billInfo1() const { return text(extended_fax::kBillInfo1); }
  std::string_view billInfo2() const { return text(extended_fax::kBillInfo2); }
  std::string_view did() const { return text(extended_fax::kDid); }
  std::string_view operatorPhone() const { return text(extended_fax::kOperatorPhone); }
  std::string_view generalFaxPhone() const { return text(extended_fax::kGeneralFaxPhone); }
  std::uint32_t sendTime() const { return readU32(bytes_, extended_fax::kSendTime); }
  std::uint16_t status() const { return readU16(bytes_, extended_fax::kStatus); }
  std::uint16_t errorCode() const { return readU16(bytes_, extended_fax::kErrorCode); }
  std::uint16_t disposition() const { return readU16(bytes_, extended_fax::kDisposition); }
  std::string_view remoteId() const { return text(extended_fax::kRemoteId); }
  std::string_view coversheet() const { return text(extended_fax::kCoversheet); }
  std::uint16_t faxId() const { return readU16(bytes_, extended_fax::kFaxId); }
  std::uint8_t priority() const { return readU8(bytes_, extended_fax::kPriority); }
  std::uint16_t custom1() const { return readU16(bytes_, extended_fax::kCustom1); }
  std::uint16_t folder() const { return readU16(bytes_, extended_fax::kFolder); }
  std::string_view comment() const { return text(extended_fax::kComment); }

 private:
  std::string_view text(TextField field) const { return readText(bytes_, field); }
  const unsigned char* bytes_;
};

}  // namespace kvn

#endif  // KVNAPI_KVNRECORDS_H
