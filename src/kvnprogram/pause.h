// The one wait of a run: the pause after a failed connection attempt.
#ifndef KVNPROGRAM_PAUSE_H
#define KVNPROGRAM_PAUSE_H

#include <cstdint>

namespace kvn {

// Blocks the calling thread for the given time with the operating system's
// sleep (Sleep on Windows, nanosleep elsewhere), resuming after signals.
void pauseMilliseconds(std::uint32_t milliseconds);

}  // namespace kvn

#endif  // KVNPROGRAM_PAUSE_H
