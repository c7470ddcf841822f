#include "kvnshow/front_end/standard_output.h"

#include <array>
#include <cerrno>
#include <cstddef>
#include <cstdio>
#include <cstring>

#include "kvnprogram/output_failure.h"
#include "kvnshow/front_end/exit_status.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace kvn {

void reserveStandardDescriptors() {
#ifndef _WIN32
  const int modes[] = {O_RDONLY, O_RDONLY, O_WRONLY};  // input, output, error
  for (int descriptor = 0; descriptor < 3; ++descriptor) {
    if (fcntl(descriptor, F_GETFD) == -1 && errno == EBADF) {
      // The lowest free number is this one, since it is closed.
      // NOLINTNEXTLINE(cppcoreguidelines-pro-type-vararg,hicpp-vararg): open(2) is variadic
      const int placeholder = open("/dev/null", modes[descriptor]);
      (void)placeholder;
    }
  }
#endif
}

std::FILE* consoleFor(ListingFormat format) {
  if (format == ListingFormat::Text) {
    return stdout;
  }
  // Room for the longest fax of the data formats, every byte of both records
  // escaped six bytes long, so that each fax still leaves in one write
  // however many pieces it is handed over in. The size is given with the
  // buffer: some C libraries take it only then.
  static std::array<char, std::size_t{64} * 1024> dataBuffer;
  std::setvbuf(stdout, dataBuffer.data(), _IOFBF, dataBuffer.size());
  std::setvbuf(stderr, nullptr, _IOFBF, BUFSIZ);
#ifdef _WIN32
  (void)_setmode(_fileno(stdout), _O_BINARY);
#endif
  return stderr;
}

int finishStandardOutput(int status, std::FILE* console) {
  if (console != stdout) {
    std::fflush(console);
  }
  flushOutput(stdout);
  if (std::ferror(stdout) == 0) {
    return status;
  }
  // Standard output is what failed, so this line goes to standard error
  // (after the console's lines, when they go there too).
  std::fprintf(stderr, "kvnshow: can't write to standard output: %s\n",
               std::strerror(firstOutputError()));
  std::fflush(stderr);
  return kExitOutputFailed;
}

}  // namespace kvn
