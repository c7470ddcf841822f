#include "kvnshow/kvn_show_app.h"

#include "kvnprogram/output_failure.h"
#include "kvnshow/command_line.h"
#include "kvnshow/exit_status.h"
#include "kvnshow/listing_options.h"
#include "kvnshow/usage.h"

namespace kvn {

int KvnShowApp::run(int argc, const char* const* argv) {
  const CommandLine line = parseCommandLine(argc, argv);
  switch (line.outcome) {
    case CommandLine::Outcome::Run:
      break;
    case CommandLine::Outcome::Usage:
      writeUsage(out);
      return kExitUsage;
    case CommandLine::Outcome::MissingHost:
      std::fputs("\n", out);
      writeUsage(out);
      return kExitUsage;
    case CommandLine::Outcome::MissingUser:
      std::fputs("Missing '-u' user-ID option.\n\n", out);
      writeUsage(out);
      return kExitUsage;
  }

  std::fprintf(out, "Server: %s\n", line.host);
  flushOutput(out);
  if (!connect(line.host)) {
    return kExitNoConnection;
  }
  std::fputs("\n", out);
  flushOutput(out);

  int status = kExitSuccess;
  if (!getServerInfo()) {
    std::fprintf(out, "Can't retrieve server info: %s\n", line.host);
    flushOutput(out);
    status = kExitNoServerInfo;
  } else {
    std::fprintf(out, "Kavrin server: %s, %s\n\n", serverName->c_str(), serverInfoText->c_str());
    std::fputs("Retrieving user info...\n", out);
    flushOutput(out);
    if (!loadUser(line.user)) {
      std::fprintf(out, "Invalid user: \"%s\"\n", line.user);
      status = kExitInvalidUser;
    } else {
      std::fprintf(out, "User: %s\\%s \"%s\"\n\n", userQualifier->c_str(), userID->c_str(),
                   userName->c_str());
      sortMode = line.sortMode;
      mainFolderOnly = line.mainFolderOnly;
      utcTimes = line.utcTimes;
      if (!listFaxes(line.directionFilter, line.reportMode, line.patterns.data())) {
        status = kExitNoFaxList;
      }
      std::fputs("\n", out);
      flushOutput(out);
    }
  }

  disconnect();
  flushOutput(out);
  return status;
}

}  // namespace kvn
