#include "e2e/program_run.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace kvn::e2e {
namespace {

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
// pipeWriter is the pipe's writing end for StandardOutput::Pipe, else -1.
[[noreturn]] void becomeProgram(const ProgramRun& run, const char* executable, char* const* argv,
                                char* const* envp, const char* workingDirectory,
                                const char* stdoutPath, const char* stderrPath, int pipeWriter) {
  int input = open("/dev/null", O_RDONLY);
  int error = open(stderrPath, O_WRONLY | O_CREAT | O_TRUNC, 0600);
  if (input < 0 || error < 0 || dup2(input, STDIN_FILENO) < 0 || dup2(error, STDERR_FILENO) < 0) {
    _exit(126);
  }
  int output = -1;
  switch (run.standardOutput) {
    case StandardOutput::File:
    case StandardOutput::SizeLimitedFile:
      output = open(stdoutPath, O_WRONLY | O_CREAT | O_TRUNC, 0600);
      break;
    case StandardOutput::Full:
      output = open("/dev/full", O_WRONLY);
      break;
    case StandardOutput::Closed:
      break;
    case StandardOutput::Pipe:
      output = pipeWriter;
      break;
  }
  if (run.standardOutput == StandardOutput::Closed) {
    close(STDOUT_FILENO);
  } else if (output < 0 || dup2(output, STDOUT_FILENO) < 0) {
    _exit(126);
  }
  struct sigaction brokenPipe = {};
  brokenPipe.sa_handler = run.brokenPipeIgnored ? SIG_IGN : SIG_DFL;
  sigemptyset(&brokenPipe.sa_mask);
  if (sigaction(SIGPIPE, &brokenPipe, nullptr) != 0) {
    _exit(126);
  }
  if (run.standardOutput == StandardOutput::SizeLimitedFile) {
    struct sigaction fileTooLarge = {};
    fileTooLarge.sa_handler = SIG_IGN;
    sigemptyset(&fileTooLarge.sa_mask);
    const struct rlimit limit = {kFileSizeLimit, kFileSizeLimit};
    if (sigaction(SIGXFSZ, &fileTooLarge, nullptr) != 0 || setrlimit(RLIMIT_FSIZE, &limit) != 0) {
      _exit(126);
    }
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

// The reader of a pipe run: takes up to limit bytes, then goes away.
std::string readThenGoAway(int reader, std::size_t limit) {
  std::string taken;
  char buffer[4096];
  while (taken.size() < limit) {
    const ssize_t got = read(reader, buffer, std::min(sizeof buffer, limit - taken.size()));
    if (got < 0 && errno == EINTR) {
      continue;
    }
    if (got <= 0) {
      break;
    }
    taken.append(buffer, static_cast<std::size_t>(got));
  }
  close(reader);
  return taken;
}

}  // namespace

std::string readWholeFile(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream content;
  content << in.rdbuf();
  return content.str();
}

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

  int pipeEnds[2] = {-1, -1};
  if (run.standardOutput == StandardOutput::Pipe && pipe2(pipeEnds, O_CLOEXEC) != 0) {
    outcome.failure = std::string("pipe failed: ") + std::strerror(errno);
    return outcome;
  }
  pid_t child = fork();
  if (child < 0) {
    outcome.failure = std::string("fork failed: ") + std::strerror(errno);
    return outcome;
  }
  if (child == 0) {
    becomeProgram(run, executable.c_str(), argv.data(), envp.data(), workingDirectory.c_str(),
                  stdoutPath.c_str(), stderrPath.c_str(), pipeEnds[1]);
  }
  if (run.standardOutput == StandardOutput::Pipe) {
    close(pipeEnds[1]);
    outcome.standardOutput = readThenGoAway(pipeEnds[0], run.pipeBytesRead);
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
  if (run.standardOutput == StandardOutput::File ||
      run.standardOutput == StandardOutput::SizeLimitedFile) {
    outcome.standardOutput = readWholeFile(stdoutPath);
  }
  outcome.standardError = readWholeFile(stderrPath);
  return outcome;
}

}  // namespace kvn::e2e
