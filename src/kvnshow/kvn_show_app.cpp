#include "kvnshow/kvn_show_app.h"

#include "kvnprogram/output_failure.h"
#include "kvnshow/command_line.h"
#include "kvnshow/exit_status.h"
#include "kvnshow/listing_options.h"
#include "kvnshow/usage.h"

namespace kvn {

int KvnShowApp::run(const CommandLine& line) {
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

  const int status = runConnected(line);
  disconnect();
  flushOutput(out);
  return status;
}

int KvnShowApp::runConnected(const CommandLine& line) {
  if (!getServerInfo()) {
    std::fprintf(out, "Can't retrieve server info: %s\n", line.host);
    flushOutput(out);
    return kExitNoServerInfo;
  }
  std::fprintf(out, "Kavrin server: %s, %s\n\n", serverName->c_str(), serverInfoText->c_str());
  std::fputs("Retrieving user info...\n", out);
  flushOutput(out);
  if (!loadUser(line.user)) {
    std::fprintf(out, "Invalid user: \"%s\"\n", line.user);
    return kExitInvalidUser;
  }
  std::fprintf(out, "User: %s\\%s \"%s\"\n\n", userQualifier->c_str(), userID->c_str(),
               userName->c_str());
  sortMode = line.sortMode;
  mainFolderOnly = line.mainFolderOnly;
  utcTimes = line.utcTimes;
  format = line.format;
  const bool listed = listFaxes(line.directionFilter, line.reportMode, line.patterns);
  std::fputs("\n", out);
  flushOutput(out);
  return listed ? kExitSuccess : kExitNoFaxList;
}

}  // namespace kvn
