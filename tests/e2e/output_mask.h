// Hides the parts of an output that a case does not compare: the end of a line
// that it cannot know in advance, the lines before those it is about.
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

// The output from the first whole line equal to the first line of expected
// on; the whole output when it has no such line, so that the comparison
// shows where they part.
std::string outputFromFirstLineOf(const std::string& output, const std::string& expected);

}  // namespace kvn::e2e

#endif  // KVN_TESTS_E2E_OUTPUT_MASK_H
