#include "kvnprogram/pause.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <cerrno>
#include <ctime>
#endif

namespace kvn {

void pauseMilliseconds(std::uint32_t milliseconds) {
#if defined(_WIN32)
  Sleep(milliseconds);
#else
  timespec remaining{};
  remaining.tv_sec = static_cast<std::time_t>(milliseconds / 1000);
  remaining.tv_nsec = static_cast<long>(milliseconds % 1000) * 1000000L;
  // A signal cuts the sleep short; the rest is slept so the pause keeps its length.
  while (nanosleep(&remaining, &remaining) != 0 && errno == EINTR) {
  }
#endif
}

}  // namespace kvn
