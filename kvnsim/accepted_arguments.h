// The fixed arguments the library accepts, as its interface documents them.
// They are written down here on their own rather than taken from
// src/kvnapi/kvnconstants.h: that header holds what the program passes, and a
// value wrong there must be refused by the library, not followed by it.
#ifndef KVNSIM_ACCEPTED_ARGUMENTS_H
#define KVNSIM_ACCEPTED_ARGUMENTS_H

#include <cstdint>

namespace kvnsim::accepted {

// KvnCreateServerHandle(host, mode, error)
inline constexpr std::int32_t kConnectMode = 4;

// KvnVersionCheck(server, release, reserved)
inline constexpr std::int32_t kRelease = 0x520;  // 5.20
inline constexpr std::int32_t kVersionCheckReserved = 0;

// KvnLoadUser3(server, a, b, userId, c, d, e, f, level, user)
inline constexpr std::int32_t kLoadUserA = 1;
inline constexpr std::int32_t kLoadUserB = 0;
inline constexpr std::int32_t kLoadUserC = 0;
inline constexpr std::int32_t kLoadUserD = 0;
inline constexpr std::int32_t kLoadUserE = 0;
inline constexpr std::int32_t kLoadUserF = 0;
inline constexpr std::int32_t kLoadUserLevel = 11;

// KvnGetFaxList(server, userId, a, options, b, list)
inline constexpr std::int32_t kFaxListA = 1;
inline constexpr std::uint16_t kMainFolderMask = 0xFFFF;
inline constexpr std::uint16_t kEveryFolderMask = 0xFFFD;
inline constexpr std::int32_t kFaxListB = 0;

// KvnStringKvnErr(error, text, size): the size of the caller's buffer, which
// has room for 500 characters and a terminator.
inline constexpr std::int32_t kErrorTextSize = 501;

// KvnLoadFax3(server, fax, a, b, c, record, level)
inline constexpr std::int32_t kLoadFaxA = 0;
inline constexpr std::int32_t kLoadFaxB = 3;
inline constexpr std::int32_t kLoadFaxC = 0;
inline constexpr std::int32_t kLoadFaxLevel = 11;

}  // namespace kvnsim::accepted

#endif  // KVNSIM_ACCEPTED_ARGUMENTS_H
