// Explains where an output differs from the expected one, with every blank,
// line end and unusual byte visible.
#ifndef KVN_TESTS_E2E_OUTPUT_DIFF_H
#define KVN_TESTS_E2E_OUTPUT_DIFF_H

#include <string>
#include <string_view>

namespace kvn::e2e {

// The bytes in double quotes, a blank shown as '·', a backslash as \\, a line
// end as \n, and any other byte that is not printable ASCII as \xNN.
std::string visibleBytes(std::string_view bytes);

// Names the first line that differs and shows both versions of it after a few
// lines of context; empty when the two are equal.
std::string describeFirstDifference(std::string_view expected, std::string_view actual);

}  // namespace kvn::e2e

#endif  // KVN_TESTS_E2E_OUTPUT_DIFF_H
