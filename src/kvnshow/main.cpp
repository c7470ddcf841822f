// kvnshow: lists the faxes of one user on a Kavrin fax server.
#include <cstddef>
#include <cstdio>
#include <new>

#include "kvnprogram/output_failure.h"
#include "kvnshow/exit_status.h"
#include "kvnshow/kvn_show_app.h"
#include "kvnshow/standard_output.h"

namespace {

// Identification strings, found in the executable by what(1)-style tools;
// kept whole even where the optimiser folds the banner's use of them.
[[gnu::used]] constexpr char kReleaseIdentification[] = "@(#)Release: 1.0";
[[gnu::used]] constexpr char kBuiltIdentification[] = "@(#)Built: Dec  6 2008";
constexpr std::size_t kReleaseMarker = sizeof("@(#)Release: ") - 1;
constexpr std::size_t kBuiltMarker = sizeof("@(#)") - 1;

void writeBanner() {
  std::printf("%s\n", "KvnShow - List faxes on a Kavrin server");
  std::printf("Version %s [%s]\n", kReleaseIdentification + kReleaseMarker,
              kBuiltIdentification + kBuiltMarker);
  std::printf("\n");
  std::printf("List a Kavrin user's faxes.\n");
  std::printf("\n");
  kvn::flushOutput(stdout);
}

}  // namespace

int main(int argc, char** argv) {
  kvn::reserveStandardDescriptors();
  writeBanner();
  int status = kvn::kExitSuccess;
  try {
    kvn::KvnShowApp app;
    app.out = stdout;
    status = app.run(argc, argv);
    // A refused release leaves the connection open for us to close.
    if (app.isConnected()) {
      app.disconnect();
    }
  } catch (const std::bad_alloc&) {
    // The connection, if any, was closed as the application was unwound.
    std::printf("Can't continue: out of memory\n");
    status = kvn::kExitNoConnection;
  }
  return kvn::finishStandardOutput(status);
}
