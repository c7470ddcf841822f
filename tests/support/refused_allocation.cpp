// A test-only stand-in for running out of memory, loaded into the real program
// with the fake sleep (LD_PRELOAD): with KVN_REFUSE_ALLOCATIONS_FROM=<bytes> in
// the environment, every operator new or new[] of that many bytes or more
// throws std::bad_alloc; with KVN_REFUSE_ALLOCATIONS_AFTER=<count>, every one
// after the first count of them does, whatever its size, so that a test can
// make each allocation of a run in turn the first to fail. Other requests, and
// every request when neither is set, go to the next definition in the search
// order: the C++ library's, or a sanitizer's, so each delete still meets its
// own new.
#include <dlfcn.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>

namespace {

using Allocation = void* (*)(std::size_t);

// The number in the environment variable, or SIZE_MAX when it is not set.
std::size_t limitIn(const char* name) {
  const char* text = std::getenv(name);  // NOLINT(concurrency-mt-unsafe)
  return text == nullptr || *text == '\0' ? SIZE_MAX : std::strtoull(text, nullptr, 10);
}

std::atomic<std::size_t> allocations{0};

bool refused(std::size_t size) {
  static const std::size_t refusedFrom = limitIn("KVN_REFUSE_ALLOCATIONS_FROM");
  static const std::size_t refusedAfter = limitIn("KVN_REFUSE_ALLOCATIONS_AFTER");
  return size >= refusedFrom || (refusedAfter != SIZE_MAX && ++allocations > refusedAfter);
}

Allocation nextAllocation(const char* name) {
  // NOLINTNEXTLINE(cppcoreguidelines-pro-type-reinterpret-cast): how dlsym hands out functions
  auto* next = reinterpret_cast<Allocation>(dlsym(RTLD_NEXT, name));
  if (next == nullptr) {
    std::abort();  // no C++ library below: nothing sensible to do
  }
  return next;
}

// The names the C++ ABI gives operator new and operator new[].
constexpr bool kWideSize = sizeof(std::size_t) == 8;
constexpr const char* kNew = kWideSize ? "_Znwm" : "_Znwj";
constexpr const char* kNewArray = kWideSize ? "_Znam" : "_Znaj";

}  // namespace

// The deletes stay the library's: every block they get came from its new.
// NOLINTNEXTLINE(cert-dcl54-cpp,misc-new-delete-overloads)
void* operator new(std::size_t size) {
  static const Allocation next = nextAllocation(kNew);
  if (refused(size)) {
    throw std::bad_alloc();
  }
  return next(size);
}

// NOLINTNEXTLINE(cert-dcl54-cpp,misc-new-delete-overloads)
void* operator new[](std::size_t size) {
  static const Allocation next = nextAllocation(kNewArray);
  if (refused(size)) {
    throw std::bad_alloc();
  }
  return next(size);
}
