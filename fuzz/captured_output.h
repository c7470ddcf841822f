// What a rendering function writes to a stream, captured in memory.
#ifndef KVN_FUZZ_CAPTURED_OUTPUT_H
#define KVN_FUZZ_CAPTURED_OUTPUT_H

#include <cstdio>
#include <cstdlib>
#include <string>

#include "harness_checks.h"

// Runs write with a memory stream and returns every byte it wrote.
template <typename Write>
std::string rendered(Write write) {
  char* buffer = nullptr;
  std::size_t size = 0;
  std::FILE* out = open_memstream(&buffer, &size);
  if (out == nullptr) {
    fail("cannot open a memory stream");
  }
  write(out);
  std::fclose(out);
  std::string text(buffer, size);
  std::free(buffer);  // NOLINT(cppcoreguidelines-no-malloc): open_memstream's own buffer
  return text;
}

#endif  // KVN_FUZZ_CAPTURED_OUTPUT_H
