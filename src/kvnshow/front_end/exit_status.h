// The exit statuses of kvnshow.
#ifndef KVNSHOW_FRONT_END_EXIT_STATUS_H
#define KVNSHOW_FRONT_END_EXIT_STATUS_H

namespace kvn {

inline constexpr int kExitSuccess = 0;
inline constexpr int kExitNoConnection = 1;     // also a refused server release
inline constexpr int kExitNoClientLibrary = 1;  // the library, or one of its calls, not found
inline constexpr int kExitNoServerInfo = 2;
inline constexpr int kExitInvalidUser = 3;
inline constexpr int kExitNoFaxList = 4;
inline constexpr int kExitOutputFailed = 5;  // standard output could not be written
inline constexpr int kExitUsage = 255;

}  // namespace kvn

#endif  // KVNSHOW_FRONT_END_EXIT_STATUS_H
