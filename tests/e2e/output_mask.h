// Hides the part of an output line that a case cannot know in advance.
#ifndef KVN_TESTS_E2E_OUTPUT_MASK_H
#define KVN_TESTS_E2E_OUTPUT_MASK_H

#include <string>
#include <string_view>
#include <vector>

namespace kvn::e2e {

inline constexpr std::string_view kMaskedText = "<masked>";

// On every line that contains one of the masks, replaces what follows its first
// occurrence, up to the line end, with <masked>.
std::string maskOutput(std::string_view output, const std::vector<std::string>& masks);

}  // namespace kvn::e2e

#endif  // KVN_TESTS_E2E_OUTPUT_MASK_H
