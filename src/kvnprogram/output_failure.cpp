#include "kvnprogram/output_failure.h"

#include <cerrno>

namespace kvn {

namespace {

// One process, one standard output: the first failure is the one to report.
int firstError = 0;

}  // namespace

void flushOutput(std::FILE* stream) {
  const bool flushed = std::fflush(stream) == 0;
  // A failed flush has just set errno. A write that failed inside an earlier
  // print, with nothing left to flush, leaves the error flag and, as a rule,
  // its errno: nothing but output calls runs between the prints and this flush.
  if ((!flushed || std::ferror(stream) != 0) && firstError == 0) {
    firstError = errno != 0 ? errno : EIO;
  }
}

int firstOutputError() {
  return firstError;
}

}  // namespace kvn
