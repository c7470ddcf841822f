// The eight upper-case hexadecimal digits a test expects where the program
// shows a 32-bit handle.
#ifndef KVN_TESTS_SUPPORT_HEX_TEXT_H
#define KVN_TESTS_SUPPORT_HEX_TEXT_H

#include <array>
#include <cstdint>
#include <cstdio>
#include <string>

namespace kvn::test {

inline std::string hex8(std::uint32_t value) {
  std::array<char, 9> digits{};
  std::snprintf(digits.data(), digits.size(), "%08X", static_cast<unsigned int>(value));
  return digits.data();
}

}  // namespace kvn::test

#endif  // KVN_TESTS_SUPPORT_HEX_TEXT_H
