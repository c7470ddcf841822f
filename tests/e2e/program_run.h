// Runs a program to its end with a given argument vector, environment and
// working directory, and collects everything it wrote.
#ifndef KVN_TESTS_E2E_PROGRAM_RUN_H
#define KVN_TESTS_E2E_PROGRAM_RUN_H

#include <filesystem>
#include <string>
#include <vector>

namespace kvn::e2e {

struct ProgramRun {
  std::filesystem::path executable;
  std::vector<std::string> argumentVector;  // argv[0] included
  std::vector<std::string> environment;     // "NAME=VALUE", the whole environment
  std::filesystem::path workingDirectory;
  std::filesystem::path scratchDirectory;  // receives the captured output files
};

struct ProgramOutcome {
  std::string failure;  // why the program could not be run; empty when it ran
  bool exited = false;  // false when a signal ended it
  int exitStatus = -1;
  int signal = 0;
  std::string standardOutput;
  std::string standardError;
};

// Standard input is /dev/null; standard output and error go to files in the
// scratch directory, so output of any size is taken without blocking.
ProgramOutcome runProgram(const ProgramRun& run);

}  // namespace kvn::e2e

#endif  // KVN_TESTS_E2E_PROGRAM_RUN_H
