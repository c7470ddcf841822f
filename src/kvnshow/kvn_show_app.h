// KvnShowApp: the kvnshow application, a server connection that reads its
// command line and lists one user's faxes.
#ifndef KVNSHOW_KVN_SHOW_APP_H
#define KVNSHOW_KVN_SHOW_APP_H

#include <cstdint>
#include <cstdio>

#include "kvnprogram/kvn_program.h"

namespace kvn {

struct CommandLine;

class KvnShowApp : public KvnProgram {
 public:
  using KvnProgram::KvnProgram;

  // Parses the command line and runs one listing; returns the exit status.
  int run(int argc, const char* const* argv);

  bool isConnected() const { return serverHandle != 0; }

  // The console under the name the listing knows it by: one handle, so that
  // no run can write its progress to one stream and its listing to another.
  std::FILE*& out = console;
  bool mainFolderOnly = true;
  bool utcTimes = false;

 private:
  // The part of a run between connect and disconnect: the server's and the
  // user's lines, then the listing; returns the run's status.
  int runConnected(const CommandLine& line);
  // Lists the user's faxes that match a pattern and the direction filter,
  // then the totals. False only when the list cannot be retrieved.
  bool listFaxes(std::int32_t directionFilter, std::int32_t reportMode,
                 const char* const* patterns);
  // Prints one selected fax in the report style; false, with a message
  // instead, when the fax's details cannot be loaded.
  bool reportFax(const void* entry, std::int64_t ordinal, std::int32_t reportMode);
};

}  // namespace kvn

#endif  // KVNSHOW_KVN_SHOW_APP_H
