// The fax-ID matcher against the plain recursive definition of a match: both
// must give the same answer for every text and pattern. The input is the
// pattern, a zero byte, then the text. Inputs that the exponential reference
// could not finish at once are skipped.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "kvnprogram/match_wildcard.h"
#include "recursive_wildcard.h"

namespace {

constexpr std::size_t kMaxPatternLength = 16;
constexpr std::size_t kMaxTextLength = 20;
constexpr std::ptrdiff_t kMaxStars = 5;

// Up to the first zero byte from start, and where the next part begins.
std::string partAt(const std::string& input, std::size_t& start) {
  const std::size_t end = std::min(input.find('\0', start), input.size());
  std::string part = input.substr(start, end - start);
  start = end + 1;
  return part;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  std::size_t start = 0;
  const std::string pattern = partAt(input, start);
  const std::string text = start < input.size() ? partAt(input, start) : std::string();
  if (pattern.size() > kMaxPatternLength || text.size() > kMaxTextLength ||
      std::count(pattern.begin(), pattern.end(), '*') > kMaxStars) {
    return -1;  // not kept in the corpus
  }
  const bool fast = kvn::matchWildcard(text.c_str(), pattern.c_str());
  const bool reference = kvn::test::recursiveWildcard(text.c_str(), pattern.c_str());
  if (fast != reference) {
    std::fprintf(stderr, "matchWildcard says %d, the recursive definition %d\n", fast ? 1 : 0,
                 reference ? 1 : 0);
    std::abort();
  }
  return 0;
}
