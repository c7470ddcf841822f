// The word syntax of the case files' args:, argv0:, env: and mask: lines.
#ifndef KVN_TESTS_E2E_ARGUMENT_SYNTAX_H
#define KVN_TESTS_E2E_ARGUMENT_SYNTAX_H

#include <string>
#include <string_view>
#include <vector>

namespace kvn::e2e {

struct SplitWords {
  std::vector<std::string> words;
  std::string error;  // empty when the text was well formed
};

// Splits text into words separated by blanks or tabs. A double-quoted part keeps
// its blanks and joins the unquoted parts next to it ("" alone is an empty word).
// Inside and outside quotes a backslash starts an escape: \\ \" \n \r \t, or \xNN
// for any byte given as two hexadecimal digits.
SplitWords splitWords(std::string_view text);

}  // namespace kvn::e2e

#endif  // KVN_TESTS_E2E_ARGUMENT_SYNTAX_H
