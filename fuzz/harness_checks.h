// How a harness reports a broken expectation: a message on standard error and
// an abort, which libFuzzer records as a crash with its input.
#ifndef KVN_FUZZ_HARNESS_CHECKS_H
#define KVN_FUZZ_HARNESS_CHECKS_H

#include <cstdio>
#include <cstdlib>
#include <string>

[[noreturn]] inline void fail(const std::string& problem) {
  std::fprintf(stderr, "%s\n", problem.c_str());
  std::abort();
}

inline void expectEqual(const char* what, const std::string& actual, const std::string& expected) {
  if (actual != expected) {
    fail(std::string(what) + " differs:\nactual:   [" + actual + "]\nexpected: [" + expected + "]");
  }
}

#endif  // KVN_FUZZ_HARNESS_CHECKS_H
