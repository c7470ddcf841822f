/* nanosleep that returns at once and records the pause (see fake_sleep.h).
 *
 * Only nanosleep is replaced. Interposition catches calls made through the
 * symbol, and that is how both the program and the C++ library
 * (std::this_thread::sleep_for) reach it. The C library's own nanosleep goes to
 * its clock_nanosleep internally, not through the symbol, so replacing
 * clock_nanosleep as well would catch nothing more here.
 */
/* NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp) */
#define _POSIX_C_SOURCE 200809L

#include "fake_sleep.h"

#include <errno.h>
#include <fcntl.h>
#include <stdatomic.h>
#include <stdlib.h>
#include <time.h>
#include <unistd.h>

enum { kNanosecondsPerMillisecond = 1000000, kNanosecondsPerSecond = 1000000000 };

static atomic_int recordedCalls;
static atomic_llong recordedNanoseconds;

/* Writes value in decimal, at least minimumDigits long, ending just before end;
 * returns where the digits start. */
static char* decimalBefore(char* end, long long value, int minimumDigits) {
  char* start = end;
  do {
    *--start = (char)('0' + value % 10);
    value /= 10;
    --minimumDigits;
  } while (value > 0 || minimumDigits > 0);
  return start;
}

/* Appends "<milliseconds> <offset>\n" to the file named by KVN_FAKE_SLEEP_LOG,
 * with six decimals only when the request is not a whole number of
 * milliseconds. The offset is how many bytes standard output had received
 * when the pause began (its file position), or -1 where it has none, as on a
 * pipe or a terminal: it shows whether a program flushed its lines before
 * pausing. */
static void appendToLog(const struct timespec* request) {
  const char* path = getenv("KVN_FAKE_SLEEP_LOG");
  if (path == NULL || path[0] == '\0') {
    return;
  }
  long long wholeMilliseconds =
      (long long)request->tv_sec * 1000 + request->tv_nsec / kNanosecondsPerMillisecond;
  long fractionNanoseconds = request->tv_nsec % kNanosecondsPerMillisecond;
  long long outputOffset = (long long)lseek(STDOUT_FILENO, 0, SEEK_CUR);
  char line[80];
  char* end = line + sizeof line;
  *--end = '\n';
  char* start = decimalBefore(end, outputOffset < 0 ? 1 : outputOffset, 1);
  if (outputOffset < 0) {
    *--start = '-';
  }
  *--start = ' ';
  if (fractionNanoseconds != 0) {
    start = decimalBefore(start, fractionNanoseconds, 6);
    *--start = '.';
  }
  start = decimalBefore(start, wholeMilliseconds, 1);
  size_t length = (size_t)(line + sizeof line - start);
  int file = open(path, O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
  if (file < 0) {
    return;
  }
  /* One write of a short line to an O_APPEND file lands whole. */
  ssize_t written = write(file, start, length);
  (void)written;
  close(file);
}

/* NOLINTNEXTLINE(readability-inconsistent-declaration-parameter-name) */
KVN_FAKE_SLEEP_API int nanosleep(const struct timespec* request, struct timespec* remaining) {
  (void)remaining; /* never interrupted, so never written, as with the real call */
  if (request == NULL) {
    errno = EFAULT;
    return -1;
  }
  if (request->tv_sec < 0 || request->tv_nsec < 0 || request->tv_nsec >= kNanosecondsPerSecond) {
    errno = EINVAL; /* rejected without a pause, so not recorded either */
    return -1;
  }
  int savedErrno = errno;
  atomic_fetch_add(&recordedCalls, 1);
  atomic_fetch_add(&recordedNanoseconds,
                   (long long)request->tv_sec * kNanosecondsPerSecond + request->tv_nsec);
  appendToLog(request);
  errno = savedErrno;
  return 0;
}

int kvnFakeSleepCalls(void) {
  return atomic_load(&recordedCalls);
}

long long kvnFakeSleepTotalMilliseconds(void) {
  return atomic_load(&recordedNanoseconds) / kNanosecondsPerMillisecond;
}

void kvnFakeSleepReset(void) {
  atomic_store(&recordedCalls, 0);
  atomic_store(&recordedNanoseconds, 0);
}
