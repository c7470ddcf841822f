#include "e2e/program_run.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace kvn::e2e {
namespace {

std::string readWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

std::vector<char*> nullTerminated(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  pointers.reserve(texts.size() + 1);
  for (std::string& text : texts) {
    pointers.push_back(text.data());
  }
  pointers.push_back(nullptr);
  return pointers;
}

// In the child between fork and exec: only async-signal-safe calls.
[[noreturn]] void becomeProgram(const char* executable, char* const* argv, char* const* envp,
                                const char* workingDirectory, const char* stdoutPath,
                                const char* stderrPath) {
  int input = open("/dev/null", O_RDONLY);
  int output = open(stdoutPath, O_WRONLY | O_CREAT | O_TRUNC, 0600);
  int error = open(stderrPath, O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (input < 0 || output < 0 || error < 0 || dup2(input, STDIN_FILENO) < 0 ||
      dup2(output, STDOUT_FILENO) < 0 || dup2(error, STDERR_FILENO) < 0) {
    _exit(126);
  }
  if (chdir(workingDirectory) != 0) {
    static const char message[] = "e2e runner: cannot change to the working directory\n";
    ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
    (void)written;
    _exit(126);
  }
  execve(executable, argv, envp);
  static const char message[] = "e2e runner: cannot execute the program\n";
  ssize_t written = write(STDERR_FILENO, message, sizeof message - 1);
  (void)written;
  _exit(127);
}

}  // namespace

ProgramOutcome runProgram(const ProgramRun& run) {
  ProgramOutcome outcome;
  std::vector<std::string> arguments = run.argumentVector;
  std::vector<std::string> environment = run.environment;
  std::vector<char*> argv = nullTerminated(arguments);
  std::vector<char*> envp = nullTerminated(environment);
  std::string executable = run.executable.string();
  std::string workingDirectory = run.workingDirectory.string();
  std::string stdoutPath = (run.scratchDirectory / "stdout").string();
  std::string stderrPath = (run.scratchDirectory / "stderr").string();

  pid_t child = fork();
  if (child < 0) {
    outcome.failure = std::string("fork failed: ") + std::strerror(errno);
    return outcome;
  }
  if (child == 0) {
    becomeProgram(executable.c_str(), argv.data(), envp.data(), workingDirectory.c_str(),
                  stdoutPath.c_str(), stderrPath.c_str());
  }
  int waitStatus = 0;
  while (waitpid(child, &waitStatus, 0) < 0) {
    if (errno != EINTR) {
      outcome.failure = std::string("waitpid failed: ") + std::strerror(errno);
      return outcome;
    }
  }
  if (WIFEXITED(waitStatus)) {
    outcome.exited = true;
    outcome.exitStatus = WEXITSTATUS(waitStatus);
  } else if (WIFSIGNALED(waitStatus)) {
    outcome.signal = WTERMSIG(waitStatus);
  }
  outcome.standardOutput = readWholeFile(stdoutPath);
  outcome.standardError = readWholeFile(stderrPath);
  return outcome;
}

}  // namespace kvn::e2e
