#include "kvnprogram/match_wildcard.h"

namespace kvn {

namespace {

// Only 'A' to 'Z' fold; no locale is consulted.
inline char fold(char c) {
  return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + ('a' - 'A')) : c;
}

}  // namespace

// Matches left to right and remembers only the latest '*'. When a literal or
// '?' fails, the latest '*' swallows one more character and matching resumes
// after it. Going back to an earlier '*' is never needed: whatever it could
// swallow more, the later one can swallow instead, because the stretch between
// them has already been matched. Each text position is resumed from at most
// once per '*', which bounds the work by text length times pattern length.
bool matchWildcard(const char* text, const char* pattern) {
  if (text == nullptr || pattern == nullptr) {
    return false;
  }
  const char* star = nullptr;      // just after the latest '*', if any
  const char* starText = nullptr;  // where the text resumes after that '*'
  while (*text != '\0') {
    if (*pattern == '*') {
      while (*pattern == '*') {
        ++pattern;  // a run of '*' matches what one '*' matches
      }
      if (*pattern == '\0') {
        return true;  // a trailing '*' swallows the rest of the text
      }
      star = pattern;
      starText = text;
    } else if (*pattern != '\0' && (*pattern == '?' || fold(*pattern) == fold(*text))) {
      ++pattern;
      ++text;
    } else if (star != nullptr) {
      pattern = star;
      text = ++starText;
    } else {
      return false;
    }
  }
  while (*pattern == '*') {
    ++pattern;
  }
  return *pattern == '\0';
}

}  // namespace kvn
