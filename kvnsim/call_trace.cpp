#include "call_trace.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstddef>
#include <cstdio>  // SEEK_CUR
#include <cstdlib>
#include <cstring>

#if defined(_WIN32)
#include <fcntl.h>
#include <io.h>
#include <sys/stat.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kvnsim {

namespace {

#if defined(_WIN32)
int openTrace(const char* path) {
  return _open(path, _O_WRONLY | _O_APPEND | _O_CREAT | _O_BINARY, _S_IREAD | _S_IWRITE);
}
long long outputOffset(int descriptor) {
  return _lseeki64(descriptor, 0, SEEK_CUR);
}
void writeTrace(int file, const char* line, std::size_t length) {
  (void)_write(file, line, static_cast<unsigned>(length));
}
#else
int openTrace(const char* path) {
  return open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);  // NOLINT(*-vararg)
}
long long outputOffset(int descriptor) {
  return lseek(descriptor, 0, SEEK_CUR);
}
void writeTrace(int file, const char* line, std::size_t length) {
  // One write of a short line to an O_APPEND file lands whole.
  (void)!write(file, line, length);
}
#endif

// The trace file, opened at the first call; -1 when there is none. Looked up
// once, so that a program walking a long list pays nothing for the trace.
int traceFile() {
  static const int file = [] {
    const char* path = std::getenv("KVNSIM_TRACE");  // NOLINT(concurrency-mt-unsafe)
    return path != nullptr && path[0] != '\0' ? openTrace(path) : -1;
  }();
  return file;
}

}  // namespace

void traceCall(const char* call) {
  const int file = traceFile();
  if (file < 0) {
    return;
  }
  // Without allocating: a test that refuses the program's allocations still
  // sees every call, and a call's trace never fails in its place.
  // Room for a call's name and two 64-bit numbers.
  std::array<char, 96> line{};
  char* const last = line.data() + line.size();
  const std::size_t nameLength = std::min(std::strlen(call), std::size_t{40});
  char* end = std::copy_n(call, nameLength, line.data());
  for (const int descriptor : {1, 2}) {
    *end++ = ' ';
    end = std::to_chars(end, last, outputOffset(descriptor)).ptr;
  }
  *end++ = '\n';
  writeTrace(file, line.data(), static_cast<std::size_t>(end - line.data()));
}

}  // namespace kvnsim
