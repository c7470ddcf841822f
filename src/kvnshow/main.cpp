// kvnshow: lists the faxes of one user on a Kavrin fax server.
#include <cstddef>
#include <cstdio>
#include <new>
#include <string>

#include "kvnbinding/client_library.h"
#include "kvnprogram/output_failure.h"
#include "kvnshow/front_end/command_line.h"
#include "kvnshow/front_end/exit_status.h"
#include "kvnshow/front_end/kvn_show_app.h"
#include "kvnshow/front_end/standard_output.h"

namespace {

// Identification strings, found in the executable by what(1)-style tools;
// kept whole even where the optimiser folds the banner's use of them.
[[gnu::used]] constexpr char kReleaseIdentification[] = "@(#)Release: 1.0";
[[gnu::used]] constexpr char kBuiltIdentification[] = "@(#)Built: Dec  6 2008";
constexpr std::size_t kReleaseMarker = sizeof("@(#)Release: ") - 1;
constexpr std::size_t kBuiltMarker = sizeof("@(#)") - 1;

void writeBanner(std::FILE* console) {
  std::fprintf(console, "%s\n", "KvnShow - List faxes on a Kavrin server");
  std::fprintf(console, "Version %s [%s]\n", kReleaseIdentification + kReleaseMarker,
               kBuiltIdentification + kBuiltMarker);
  std::fprintf(console, "\n");
  std::fprintf(console, "List a Kavrin user's faxes.\n");
  std::fprintf(console, "\n");
  kvn::flushOutput(console);
}

}  // namespace

int main(int argc, char** argv) {
  kvn::reserveStandardDescriptors();
  // Read first, without allocating: the format decides where the banner goes.
  const kvn::CommandLine line = kvn::parseCommandLine(argc, argv);
  std::FILE* console = kvn::consoleFor(line.format);
  writeBanner(console);
  int status = kvn::kExitSuccess;
  // Every allocation of the run is in here, the library's message too.
  try {
    // Before anything reads the library's version: without the library, or
    // one of its calls, the run ends here, saying which.
    if (const std::string& missing = kvn::bindClientLibrary(); !missing.empty()) {
      std::fprintf(console, "%s\n", missing.c_str());
      return kvn::finishStandardOutput(kvn::kExitNoClientLibrary, console);
    }
    kvn::KvnShowApp app(console);
    status = app.run(line);
    // A refused release leaves the connection open for us to close.
    if (app.isConnected()) {
      app.disconnect();
    }
  } catch (const std::bad_alloc&) {
    // The connection, if any, was closed as the application was unwound.
    std::fprintf(console, "Can't continue: out of memory\n");
    status = kvn::kExitNoConnection;
  }
  return kvn::finishStandardOutput(status, console);
}
