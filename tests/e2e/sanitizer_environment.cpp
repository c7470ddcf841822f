#include "e2e/sanitizer_environment.h"

#include <array>
#include <cstdlib>

namespace kvn::e2e {

std::vector<std::string> sanitizerEnvironment(EnvironmentLookup lookup) {
  constexpr std::array<const char*, 3> kNames = {"ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"};
  std::vector<std::string> settings;
  for (const char* name : kNames) {
    const char* value = lookup(name);
    if (value == nullptr) {
      continue;
    }
    std::string setting = std::string(name) + "=" + value;
    if (std::string(name) == "ASAN_OPTIONS") {
      setting += setting.back() == '=' ? "" : ":";
      setting += "verify_asan_link_order=0";
    }
    settings.push_back(setting);
  }
  return settings;
}

std::vector<std::string> sanitizerEnvironment() {
  // The runner reads its environment before it starts any thread.
  return sanitizerEnvironment([](const char* name) -> const char* {
    return std::getenv(name);  // NOLINT(concurrency-mt-unsafe)
  });
}

}  // namespace kvn::e2e
