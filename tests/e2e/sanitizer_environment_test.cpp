// The sanitizer settings handed on to a run of the program.
#include "e2e/sanitizer_environment.h"

#include <gtest/gtest.h>

#include <cstring>

namespace kvn::e2e {
namespace {

const char* nothingSet(const char* /*name*/) {
  return nullptr;
}

const char* everythingSet(const char* name) {
  if (std::strcmp(name, "ASAN_OPTIONS") == 0) {
    return "halt_on_error=1:detect_leaks=1";
  }
  if (std::strcmp(name, "UBSAN_OPTIONS") == 0) {
    return "print_stacktrace=1";
  }
  if (std::strcmp(name, "LSAN_OPTIONS") == 0) {
    return "report_objects=1";
  }
  return "unexpected";
}

const char* onlyUbsanSet(const char* name) {
  return std::strcmp(name, "UBSAN_OPTIONS") == 0 ? "halt_on_error=1" : nullptr;
}

const char* emptyAsanSet(const char* name) {
  return std::strcmp(name, "ASAN_OPTIONS") == 0 ? "" : nullptr;
}

struct SanitizerCase {
  const char* what;
  EnvironmentLookup lookup;
  std::vector<std::string> expected;
};

TEST(SanitizerEnvironment, PassesOnWhatIsSetAndLetsASanStartUnderThePreload) {
  const std::vector<SanitizerCase> cases = {
      {"nothing set: nothing passed", nothingSet, {}},
      {"all three set",
       everythingSet,
       {"ASAN_OPTIONS=halt_on_error=1:detect_leaks=1:verify_asan_link_order=0",
        "UBSAN_OPTIONS=print_stacktrace=1", "LSAN_OPTIONS=report_objects=1"}},
      {"UBSan alone gets no ASan setting", onlyUbsanSet, {"UBSAN_OPTIONS=halt_on_error=1"}},
      {"empty ASan options: no leading colon",
       emptyAsanSet,
       {"ASAN_OPTIONS=verify_asan_link_order=0"}},
  };
  for (const SanitizerCase& testCase : cases) {
    EXPECT_EQ(sanitizerEnvironment(testCase.lookup), testCase.expected) << testCase.what;
  }
}

}  // namespace
}  // namespace kvn::e2e
