// The sanitizers' settings a run of the program inherits from the runner. A
// run gets a clean environment; in a sanitized build it still needs them to
// report the same way as the tests around it.
#ifndef KVN_TESTS_E2E_SANITIZER_ENVIRONMENT_H
#define KVN_TESTS_E2E_SANITIZER_ENVIRONMENT_H

#include <string>
#include <vector>

namespace kvn::e2e {

// Reads one environment variable: its value, or null when it is not set.
using EnvironmentLookup = const char* (*)(const char* name);

// "NAME=VALUE" for each of ASAN_OPTIONS, UBSAN_OPTIONS and LSAN_OPTIONS that
// lookup finds set, and nothing else. ASan insists that its runtime comes
// first among the loaded libraries, which the preloaded fake sleep breaks, so
// ASAN_OPTIONS gets verify_asan_link_order=0 appended.
std::vector<std::string> sanitizerEnvironment(EnvironmentLookup lookup);

// The same from the runner's own environment.
std::vector<std::string> sanitizerEnvironment();

}  // namespace kvn::e2e

#endif  // KVN_TESTS_E2E_SANITIZER_ENVIRONMENT_H
