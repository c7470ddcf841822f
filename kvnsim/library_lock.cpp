#include "library_lock.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <mutex>
#endif

namespace kvnsim {

#ifdef _WIN32

struct LibraryLock::System {
  System() { InitializeCriticalSection(&section); }
  ~System() { DeleteCriticalSection(&section); }
  System(const System&) = delete;
  System& operator=(const System&) = delete;
  System(System&&) = delete;
  System& operator=(System&&) = delete;
  void lock() { EnterCriticalSection(&section); }
  void unlock() { LeaveCriticalSection(&section); }

  CRITICAL_SECTION section{};
};

#else

struct LibraryLock::System {
  void lock() { mutex.lock(); }
  void unlock() { mutex.unlock(); }

  std::recursive_mutex mutex;
};

#endif

LibraryLock::LibraryLock() : system_(std::make_unique<System>()) {}

LibraryLock::~LibraryLock() = default;

LibraryLock::Held::Held(LibraryLock& lock) : lock_(lock) {
  lock_.system_->lock();
}

LibraryLock::Held::~Held() {
  lock_.system_->unlock();
}

}  // namespace kvnsim
