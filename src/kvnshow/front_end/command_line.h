// The command line of kvnshow: options, then fax-ID patterns.
#ifndef KVNSHOW_FRONT_END_COMMAND_LINE_H
#define KVNSHOW_FRONT_END_COMMAND_LINE_H

#include <cstdint>

#include "kvnshow/listing/listing_options.h"

namespace kvn {

struct CommandLine {
  enum class Outcome {
    Run,          // everything a listing needs is there
    Usage,        // a help option, or an option not understood: the usage text alone
    MissingHost,  // no -s: a blank line, then the usage text
    MissingUser,  // no -u: a message, a blank line, then the usage text
  };

  Outcome outcome = Outcome::Run;
  // Borrowed from the argument vector, which outlives the run.
  const char* host = nullptr;
  const char* user = nullptr;
  std::int32_t directionFilter = 0;
  std::int32_t reportMode = kReportBrief;
  ListingFormat format = ListingFormat::Text;  // the last of -csv and -json wins
  std::int32_t sortMode = kSortNone;
  bool mainFolderOnly = true;
  bool utcTimes = false;
  // -cp: the code page of the records' texts, as given; null for the
  // default. Borrowed from the argument vector.
  const char* codePage = nullptr;
  // The arguments after the options, or the single pattern "*"; ended by a
  // null pointer, as the listing expects. Borrowed from the argument vector,
  // which the C runtime ends with a null pointer.
  const char* const* patterns = nullptr;
};

// Allocates nothing, so that the front end knows where its lines go before
// the program needs any memory.
CommandLine parseCommandLine(int argc, const char* const* argv);

}  // namespace kvn

#endif  // KVNSHOW_FRONT_END_COMMAND_LINE_H
