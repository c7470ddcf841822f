// The lock that lets one call into the library at a time. Recursive: a sort's
// comparison runs inside KvnListSort and may call back into the library.
// On Windows a critical section, which every Windows has: the C++ library's
// mutexes need a thread model whose runtime needs a newer Windows than the
// oldest that kvnshow starts on.
#ifndef KVNSIM_LIBRARY_LOCK_H
#define KVNSIM_LIBRARY_LOCK_H

#include <memory>

namespace kvnsim {

class LibraryLock {
 public:
  LibraryLock();
  ~LibraryLock();
  LibraryLock(const LibraryLock&) = delete;
  LibraryLock& operator=(const LibraryLock&) = delete;
  LibraryLock(LibraryLock&&) = delete;
  LibraryLock& operator=(LibraryLock&&) = delete;

  // Holds the lock for its lifetime.
  class Held {
   public:
    explicit Held(LibraryLock& lock);
    ~Held();
    Held(const Held&) = delete;
    Held& operator=(const Held&) = delete;
    Held(Held&&) = delete;
    Held& operator=(Held&&) = delete;

   private:
    LibraryLock& lock_;
  };

 private:
  struct System;  // the system's lock, behind the header
  std::unique_ptr<System> system_;
};

}  // namespace kvnsim

#endif  // KVNSIM_LIBRARY_LOCK_H
