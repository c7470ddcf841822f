// The status codes the library returns.
#ifndef KVNSIM_ERROR_CODES_H
#define KVNSIM_ERROR_CODES_H

#include <cstdint>

namespace kvnsim::error {

inline constexpr std::int32_t kNone = 0;
inline constexpr std::int32_t kConnectionTimedOut = 10060;
inline constexpr std::int32_t kConnectionRefused = 10061;
inline constexpr std::int32_t kServerNotFound = 11001;
inline constexpr std::int32_t kBadDescription = 11002;
inline constexpr std::int32_t kInvalidHandle = 11003;
// A fixed argument of a call is not the value a program must pass.
inline constexpr std::int32_t kWrongConstant = 11004;
inline constexpr std::int32_t kReleaseTooOld = 11010;
inline constexpr std::int32_t kUserNotFound = 11020;
inline constexpr std::int32_t kServerInfo = 11030;
inline constexpr std::int32_t kFaxList = 11040;
inline constexpr std::int32_t kSort = 11041;
inline constexpr std::int32_t kListRead = 11042;
inline constexpr std::int32_t kLoadFax = 11050;
inline constexpr std::int32_t kEndOfList = 11060;

}  // namespace kvnsim::error

#endif  // KVNSIM_ERROR_CODES_H
