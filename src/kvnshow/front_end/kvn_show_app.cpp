#include "kvnshow/front_end/kvn_show_app.h"

#include <charconv>
#include <cstring>

#include "kvnprogram/output_failure.h"
#include "kvnshow/front_end/command_line.h"
#include "kvnshow/front_end/exit_status.h"
#include "kvnshow/front_end/usage.h"
#include "kvnshow/listing/listing_options.h"

namespace kvn {

namespace {

// -cp's page: decimal digits alone (from_chars takes no sign or blank), one
// of the pages the conversion takes; not 0, which open reads as the default.
std::optional<Utf8FromAnsi> openCodePage(const char* page) {
  const char* end = page + std::strlen(page);
  std::uint32_t number = 0;
  const auto [stop, error] = std::from_chars(page, end, number);
  if (error != std::errc() || stop != end || !Utf8FromAnsi::isAnsiCodePage(number)) {
    return std::nullopt;
  }
  return Utf8FromAnsi::open(number);
}

}  // namespace

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
  if (line.codePage != nullptr) {
    texts = openCodePage(line.codePage);
    if (!texts) {
      std::fprintf(out, "Can't convert from code page: %s\n\n", line.codePage);
      writeUsage(out);
      return kExitUsage;
    }
  } else if (line.format != ListingFormat::Text) {
    texts = Utf8FromAnsi::open(0);
    if (!texts) {
      std::fputs("Can't convert from the default code page.\n\n", out);
      writeUsage(out);
      return kExitUsage;
    }
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
