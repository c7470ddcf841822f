// The fax-ID match relation written as its plain recursive definition: a '*'
// first swallows the whole rest of the text and gives it back one character
// at a time. Its work grows exponentially with the number of '*', so it serves
// only as the reference that tests compare the real matcher with, on short
// inputs.
#ifndef KVN_TESTS_SUPPORT_RECURSIVE_WILDCARD_H
#define KVN_TESTS_SUPPORT_RECURSIVE_WILDCARD_H

#include <cstring>

namespace kvn::test {

inline int foldForReference(char c) {
  const int byte = static_cast<unsigned char>(c);
  const int value = byte >= 128 ? byte - 256 : byte;  // as a signed 8-bit value
  return (value >= 65 && value <= 90) ? value + 32 : value;
}

inline bool recursiveWildcard(const char* text, const char* pattern) {
  if (text == nullptr || pattern == nullptr) {
    return false;
  }
  if (*pattern == '\0') {
    return *text == '\0';
  }
  if (*pattern == '*') {
    for (std::size_t k = std::strlen(text) + 1; k-- > 0;) {
      if (recursiveWildcard(text + k, pattern + 1)) {
        return true;
      }
    }
    return false;
  }
  if (*pattern == '?') {
    return *text != '\0' && recursiveWildcard(text + 1, pattern + 1);
  }
  if (foldForReference(*pattern) != foldForReference(*text)) {
    return false;
  }
  return recursiveWildcard(text + 1, pattern + 1);
}

}  // namespace kvn::test

#endif  // KVN_TESTS_SUPPORT_RECURSIVE_WILDCARD_H
