// One end-to-end case: how to run the program and what it must do (README.md
// beside this file describes the format).
#ifndef KVN_TESTS_E2E_CASE_FILE_H
#define KVN_TESTS_E2E_CASE_FILE_H

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace kvn::e2e {

inline constexpr std::string_view kStdoutSeparator = "--- stdout";
inline constexpr std::string_view kStderrSeparator = "--- stderr";

// What the program finds beside itself: the stand-in client library of its
// build, nothing, a library that lacks one of the thirteen calls, one of
// another architecture, or a copy of the stand-in. All but the first put a copy
// of the program, with that library, in a folder of its own.
enum class ClientLibrary { Standin, None, LackingCall, OtherArchitecture, StandinCopy };

struct E2eCase {
  std::vector<std::string> arguments;      // the arguments after the program name
  std::optional<std::string> programName;  // argv[0]; the program's path when not given
  std::vector<std::pair<std::string, std::string>> environment;  // set over the defaults
  int exitStatus = 0;
  std::vector<std::string> pauses;  // milliseconds of each requested pause, in order
  std::vector<std::string> masks;   // see maskOutput
  ClientLibrary library = ClientLibrary::Standin;
  bool fromFirstLine = false;  // compare from the expected first line on (see
                               // outputFromFirstLineOf), not the whole output
  // Under the Windows C runtime only (the suite under Wine): settings over the
  // environment, and whole expected lines replaced by what that runtime writes.
  std::vector<std::pair<std::string, std::string>> windowsEnvironment;
  std::vector<std::pair<std::string, std::string>> windowsLines;
  std::string header;  // the file up to and including the first separator line
  // Every byte between "--- stderr" and "--- stdout", for a run that writes
  // data on standard output and its lines on standard error; without that
  // section standard error must stay empty.
  std::optional<std::string> expectedStderr;
  std::string expectedStdout;  // every byte after the "--- stdout" line
};

struct ParsedCase {
  E2eCase testCase;
  std::string error;  // empty when the file was well formed; else names the line
};

ParsedCase parseCaseFile(std::string_view content);

// The expected output with each windows-line replacement made; every line to
// replace must occur in it as a whole line, else problem names the first that
// does not.
std::string expectedUnderWindows(const E2eCase& testCase, std::string& problem);

}  // namespace kvn::e2e

#endif  // KVN_TESTS_E2E_CASE_FILE_H
