// Runs the built kvnshow as every end-to-end test does: the default
// environment (README.md beside this file), the fake sleep preloaded, its
// pauses and its client library calls logged, output captured in a scratch
// folder. Built with KVN_E2E_WINE, it runs the Windows build's
// kvnshow_fake_sleep.exe under Wine instead, and reads its output back as the
// program meant it, before the C runtime's text mode.
#ifndef KVN_TESTS_E2E_KVNSHOW_RUNNER_H
#define KVN_TESTS_E2E_KVNSHOW_RUNNER_H

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "e2e/case_file.h"
#include "e2e/output_events.h"
#include "e2e/program_run.h"

namespace kvn::e2e {

// The folder of the case files, and the folder of the server descriptions;
// the program runs in the folder above the descriptions and finds them through
// a relative KVNSIM_SERVERS, so texts that name a description file are the
// same on every machine.
const std::filesystem::path& casesDirectory();
const std::filesystem::path& serversDirectory();

struct KvnshowRun {
  std::vector<std::string> arguments;      // after the program name
  std::optional<std::string> programName;  // argv[0]; the program's path when not given
                                           // (Wine always gives the program its path)
  std::vector<std::pair<std::string, std::string>> environment;  // set over the defaults
  // Set over those under Wine only: the Windows C runtime's own spelling.
  std::vector<std::pair<std::string, std::string>> windowsEnvironment;
  // Where the program runs: by default the folder above the descriptions. A
  // test that writes its own descriptions runs in a folder of its own that
  // holds them in servers/.
  std::optional<std::filesystem::path> workingDirectory;
  StandardOutput standardOutput = StandardOutput::File;
  std::size_t pipeBytesRead = 0;
  bool brokenPipeIgnored = false;
  // The run writes data on standard output (-csv, -json) and its lines on
  // standard error. Under Wine standard output then takes the bytes as they
  // are, while standard error is in text mode, as standard output otherwise is.
  bool dataOnStandardOutput = false;
  // Anything but the build's stand-in where it was built: a copy of the
  // program runs from a folder of its own with that library, or none, beside
  // it, started (unless workingDirectory says otherwise) from a folder that
  // holds the server descriptions and a working stand-in, which it must not
  // load from there. Its folder's path in the output reads kProgramFolder.
  ClientLibrary library = ClientLibrary::Standin;
};

inline constexpr std::string_view kProgramFolder = "<program folder>";

// Why this build has no library of that kind to put beside the program, or
// empty: a case that needs one is then skipped with this reason.
std::string_view missingLibraryReason(ClientLibrary library);

// True in the suite that runs the Windows build under Wine.
bool underWine();

// Why this machine cannot run the program at all (a Windows build whose
// architecture it cannot run under Wine), or empty: the cases are then skipped
// with this reason.
std::string_view cannotRunReason();

struct KvnshowOutcome {
  ProgramOutcome program;           // under Wine, the text stream with its CR LF undone
  std::vector<OutputEvent> pauses;  // one per requested pause, its milliseconds
  std::vector<OutputEvent> calls;   // one per client library call, its name
  std::string logProblem;           // a malformed pause log or call trace
  std::string textModeProblem;      // under Wine: a line end text mode cannot have written
  // The calls' error offsets are undone the same way where standard error is
  // the text stream.
};

// Runs the program once; a failure to run it at all is in program.failure.
KvnshowOutcome runKvnshow(const KvnshowRun& run);

}  // namespace kvn::e2e

#endif  // KVN_TESTS_E2E_KVNSHOW_RUNNER_H
