// User IDs are matched the way the server matches them: ASCII letters
// without regard to case, every other byte exactly.
#ifndef KVNSIM_USER_ID_H
#define KVNSIM_USER_ID_H

#include <algorithm>
#include <string_view>

namespace kvnsim {

inline bool sameUserId(std::string_view a, std::string_view b) {
  const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; };
  return a.size() == b.size() &&
         std::equal(a.begin(), a.end(), b.begin(),
                    [&lower](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace kvnsim

#endif  // KVNSIM_USER_ID_H
