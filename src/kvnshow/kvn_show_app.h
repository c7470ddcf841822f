// KvnShowApp: the kvnshow application, a server connection that reads its
// command line and lists one user's faxes.
#ifndef KVNSHOW_KVN_SHOW_APP_H
#define KVNSHOW_KVN_SHOW_APP_H

#include <cstdint>
#include <cstdio>

#include "kvnprogram/kvn_program.h"

namespace kvn {

// Exit statuses of a run.
inline constexpr int kExitSuccess = 0;
inline constexpr int kExitNoConnection = 1;  // also a refused server release
inline constexpr int kExitNoServerInfo = 2;
inline constexpr int kExitInvalidUser = 3;
inline constexpr int kExitUsage = 255;

// The sort order of the listing: 0 none, 1 by date, 2 by reverse date. It is
// program-wide because the library's sort calls its comparison back without
// any context.
extern std::int32_t sortMode;

class KvnShowApp : public KvnProgram {
 public:
  using KvnProgram::KvnProgram;

  // Parses the command line and runs one listing; returns the exit status.
  int run(int argc, const char* const* argv);

  bool isConnected() const { return serverHandle != 0; }

  std::FILE* out = stdout;
  bool mainFolderOnly = true;
  bool utcTimes = false;

 private:
  // Lists the user's faxes that match a pattern and the direction filter.
  void listFaxes(std::int32_t directionFilter, std::int32_t reportMode,
                 const char* const* patterns);
};

}  // namespace kvn

#endif  // KVNSHOW_KVN_SHOW_APP_H
