// Objects the library hands out by opaque 32-bit handle. Handles are never 0
// and come from one rising count, so a closed or foreign handle is recognised
// rather than mistaken for a live object.
#ifndef KVNSIM_HANDLE_TABLE_H
#define KVNSIM_HANDLE_TABLE_H

#include <cstdint>
#include <memory>
#include <unordered_map>

namespace kvnsim {

// Shared by all tables, so that a server handle is never a valid list handle.
class HandleSource {
 public:
  std::uint32_t next() {
    ++last_;
    if (last_ == 0) {
      ++last_;  // after 2^32 handles the count wraps; 0 means "none"
    }
    return last_;
  }

 private:
  std::uint32_t last_ = 0x00A10000;
};

template <typename T>
class HandleTable {
 public:
  explicit HandleTable(HandleSource& source) : source_(source) {}

  std::uint32_t add(std::unique_ptr<T> object) {
    std::uint32_t handle = source_.next();
    while (handle == 0 || objects_.contains(handle)) {
      handle = source_.next();
    }
    objects_.emplace(handle, std::move(object));
    return handle;
  }

  T* find(std::uint32_t handle) const {
    const auto found = objects_.find(handle);
    return found == objects_.end() ? nullptr : found->second.get();
  }

  void remove(std::uint32_t handle) { objects_.erase(handle); }

 private:
  HandleSource& source_;
  std::unordered_map<std::uint32_t, std::unique_ptr<T>> objects_;
};

}  // namespace kvnsim

#endif  // KVNSIM_HANDLE_TABLE_H
