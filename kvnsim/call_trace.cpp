#include "call_trace.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

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
void writeTrace(int file, const std::string& line) {
  (void)_write(file, line.data(), static_cast<unsigned>(line.size()));
}
#else
int openTrace(const char* path) {
  return open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);  // NOLINT(*-vararg)
}
long long outputOffset(int descriptor) {
  return lseek(descriptor, 0, SEEK_CUR);
}
void writeTrace(int file, const std::string& line) {
  // One write of a short line to an O_APPEND file lands whole.
  (void)!write(file, line.data(), line.size());
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
  writeTrace(file, std::string(call) + " " + std::to_string(outputOffset(1)) + " " +
                       std::to_string(outputOffset(2)) + "\n");
}

}  // namespace kvnsim
