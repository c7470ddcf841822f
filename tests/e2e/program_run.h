// Runs a program to its end with a given argument vector, environment and
// working directory, and collects everything it wrote.
#ifndef KVN_TESTS_E2E_PROGRAM_RUN_H
#define KVN_TESTS_E2E_PROGRAM_RUN_H

#include <filesystem>
#include <string>
#include <vector>

namespace kvn::e2e {

// Where the program's standard output goes.
enum class StandardOutput {
  File,    // a file in the scratch directory, taken whole
  Full,    // /dev/full: every write fails, the disk is full
  Closed,  // no descriptor at all
  Pipe,    // a pipe whose reader takes pipeBytesRead bytes, then goes away
  // A file as for File, but the program may write no file past
  // kFileSizeLimit bytes (RLIMIT_FSIZE), and SIGXFSZ is ignored: a write
  // past the limit fails with EFBIG, "File too large".
  SizeLimitedFile,
};
inline constexpr long kFileSizeLimit = 4096;

struct ProgramRun {
  std::filesystem::path executable;
  std::vector<std::string> argumentVector;  // argv[0] included
  std::vector<std::string> environment;     // "NAME=VALUE", the whole environment
  std::filesystem::path workingDirectory;
  std::filesystem::path scratchDirectory;  // receives the captured output files
  StandardOutput standardOutput = StandardOutput::File;
  std::size_t pipeBytesRead = 0;
  bool brokenPipeIgnored = false;  // the program starts with SIGPIPE ignored
};

struct ProgramOutcome {
  std::string failure;  // why the program could not be run; empty when it ran
  bool exited = false;  // false when a signal ended it
  int exitStatus = -1;
  int signal = 0;
  std::string standardOutput;  // empty for Full and Closed; what the reader took for Pipe
  std::string standardError;
};

// Standard input is /dev/null; standard error goes to a file in the scratch
// directory, and so does standard output unless the run says otherwise, so
// output of any size is taken without blocking. SIGPIPE starts at its default
// unless the run says it is ignored.
ProgramOutcome runProgram(const ProgramRun& run);

// The bytes of a file; empty when it cannot be read.
std::string readWholeFile(const std::filesystem::path& path);

}  // namespace kvn::e2e

#endif  // KVN_TESTS_E2E_PROGRAM_RUN_H
