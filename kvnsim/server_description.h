// A fax server as a description defines it: what the library serves for one
// host, and the failures it is scripted to show.
#ifndef KVNSIM_SERVER_DESCRIPTION_H
#define KVNSIM_SERVER_DESCRIPTION_H

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "kvnapi/kvnrecords.h"

namespace kvnsim {

// The stamp KvnGetAPIVersion gives before any description has been read, and
// the one of a description that names none: 12/01/2008 16:30:13 UTC.
inline constexpr std::int32_t kLibraryApiVersion = 1228149013;
inline constexpr std::uint32_t kDefaultRelease = 0x530;

// Handles of generated faxes: a block of this many per user position.
inline constexpr std::uint32_t kGeneratedHandleBase = 0x40000000;
inline constexpr std::uint32_t kGeneratedHandleBlock = 0x01000000;
inline constexpr std::size_t kMaxUsersWithGeneratedFaxes =
    (0x100000000ULL - kGeneratedHandleBase) / kGeneratedHandleBlock;

// A SYSTEMTIME of a daylight-saving transition rule, in its field order.
using TransitionDate = std::array<std::uint16_t, 8>;

struct TimeZone {
  std::int16_t state = 0;
  std::int32_t bias = 0;
  std::int32_t standardBias = 0;
  std::int32_t daylightBias = 0;
  std::u16string standardName;
  std::u16string daylightName;
  TransitionDate standardDate{};
  TransitionDate daylightDate{};
};

struct ConnectFault {
  std::optional<std::uint64_t> failures;  // none: every attempt fails
  std::int32_t error = 0;
};

struct ServerInfoFault {
  std::uint32_t failFrom = 1;  // 1-based call number on each connection
  std::int32_t error = 0;
};

struct WalkFault {
  std::uint64_t failAfter = 0;  // entries delivered before the failure
  std::int32_t error = 0;
};

struct LoadFaxFault {
  std::set<std::uint32_t> handles;
  std::int32_t error = 0;
};

struct Faults {
  std::optional<ConnectFault> connect;
  bool releaseRefused = false;
  std::optional<ServerInfoFault> serverInfo;
  std::optional<std::int32_t> userLookupError;
  std::optional<std::int32_t> faxListError;
  std::optional<std::int32_t> sortError;
  std::optional<WalkFault> walk;
  std::optional<LoadFaxFault> loadFax;
};

using FaxEntryBytes = std::array<unsigned char, kvn::fax_entry::kSize>;

// A fax the description spells out, held as the two records it is served as.
struct ExplicitFax {
  std::uint32_t handle = 0;
  std::uint16_t folder = 0;
  FaxEntryBytes entry{};
  std::vector<unsigned char> details;  // kvn::extended_fax::kSize bytes
};

struct GeneratedFaxes {
  std::uint32_t count = 0;
  std::uint32_t seed = 0;
  std::uint32_t firstHandle = 0;
};

struct User {
  std::string qualifier;
  std::string id;
  std::string name;
  std::vector<ExplicitFax> faxes;
  std::optional<GeneratedFaxes> generated;
};

struct ServerDescription {
  std::int32_t apiVersion = kLibraryApiVersion;
  std::uint32_t release = kDefaultRelease;
  std::string serverText;
  TimeZone timeZone;
  std::map<std::int32_t, std::string> errorTexts;
  Faults faults;
  std::vector<User> users;

  // By ID, without regard to the case of ASCII letters.
  const User* findUser(std::string_view id) const;

  // Fills the extended record of an explicit or generated fax of any user;
  // false when no fax has the handle.
  bool writeFaxDetails(std::uint32_t handle, unsigned char* record) const;

  // Where each explicit fax's handle leads: user position and fax position.
  // Kept up to date by whoever adds faxes (the loader).
  std::unordered_map<std::uint32_t, std::pair<std::size_t, std::size_t>> explicitFaxIndex;
};

}  // namespace kvnsim

#endif  // KVNSIM_SERVER_DESCRIPTION_H
