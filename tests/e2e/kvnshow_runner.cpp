#include "e2e/kvnshow_runner.h"

#include <algorithm>
#include <iostream>
#include <string_view>

#include "e2e/sanitizer_environment.h"
#include "e2e/text_mode_output.h"
#include "e2e/windows_arguments.h"
#include "temp_folder.h"

namespace kvn::e2e {
namespace {

namespace fs = std::filesystem;

const fs::path kProgram = KVN_E2E_PROGRAM;
// The build's stand-in, which also waits, working, in the folder a program
// apart is started from.
const fs::path kStandinLibrary = KVN_E2E_STANDIN_LIBRARY;
// The libraries a case can put beside the program instead of the stand-in.
const fs::path kLackingCallLibrary = KVN_E2E_LACKING_CALL_LIBRARY;
const fs::path kOtherArchitectureLibrary = KVN_E2E_OTHER_ARCHITECTURE_LIBRARY;
// NOLINTNEXTLINE(readability-redundant-string-init): empty where the library was built
constexpr std::string_view kNoOtherArchitectureReason = KVN_E2E_NO_OTHER_ARCHITECTURE_REASON;
#if defined(KVN_E2E_WINE)
// The Windows program is started by Wine. Its stand-in for Sleep is linked in
// (tests/windows), so nothing is preloaded.
constexpr bool kUnderWine = true;
const fs::path kWine = KVN_E2E_WINE;
const fs::path kWinePrefix = KVN_E2E_WINE_PREFIX;
const fs::path kFakeSleepLibrary;
constexpr std::string_view kCannotRunReason = KVN_E2E_WINE_SKIP_REASON;
constexpr std::string_view kClientLibraryFile = "KVWIN32.dll";
#else
constexpr bool kUnderWine = false;
const fs::path kWine;
const fs::path kWinePrefix;
const fs::path kFakeSleepLibrary = KVN_E2E_FAKE_SLEEP_LIBRARY;
constexpr std::string_view kCannotRunReason;
constexpr std::string_view kClientLibraryFile = "libKVWIN32.so";
#endif

// The program's whole environment: the sanitizers' settings when the runner
// has them, the defaults, then the run's own settings.
std::vector<std::string> environmentFor(const KvnshowRun& run, const fs::path& pauseLog,
                                        const fs::path& callTrace) {
  std::vector<std::pair<std::string, std::string>> settings = {
      {"PATH", "/usr/bin:/bin"},
      {"KVNSIM_SERVERS", serversDirectory().filename().string()},
      {"KVN_FAKE_SLEEP_LOG", pauseLog.string()},
      {"KVNSIM_TRACE", callTrace.string()},
      {"TZ", "UTC"},
  };
  if (kUnderWine) {
    settings.emplace_back("WINEPREFIX", kWinePrefix.string());
    settings.emplace_back("WINEDEBUG", "-all");
    settings.emplace_back("LANG", "C.UTF-8");  // Wine reads the arguments as UTF-8
  } else {
    settings.emplace_back("LD_PRELOAD", kFakeSleepLibrary.string());
  }
  std::vector<std::pair<std::string, std::string>> overrides = run.environment;
  if (kUnderWine) {
    overrides.insert(overrides.end(), run.windowsEnvironment.begin(), run.windowsEnvironment.end());
  }
  for (const auto& [name, value] : overrides) {
    auto same = std::find_if(settings.begin(), settings.end(),
                             [&name = name](const auto& setting) { return setting.first == name; });
    if (same == settings.end()) {
      settings.emplace_back(name, value);
    } else {
      same->second = value;
    }
  }
  std::vector<std::string> environment = sanitizerEnvironment();
  environment.reserve(environment.size() + settings.size());
  for (const auto& [name, value] : settings) {
    environment.push_back(name);
    environment.back().append("=").append(value);
  }
  return environment;
}

// Under load, Wine now and then fails before the program has started: its
// client cannot reach the Wine server ("wine client error:0: recvmsg:
// Connection reset by peer" on standard error), or its loader cannot start
// the program ("Application could not be started, or no application
// associated with the specified file." on standard output). Nothing of the
// program ran then: no banner, which every run writes first, and no library
// call. Such a run is made again, a few times at most, and the last attempt
// counts as it is, so a program that really fails before its banner still
// fails the case.
constexpr int kWineStartAttempts = 3;
constexpr std::string_view kBannerTitle = "KvnShow - List faxes on a Kavrin server";

bool wineFailedToStart(const ProgramOutcome& outcome, const fs::path& callTrace) {
  return kUnderWine && !outcome.standardOutput.starts_with(kBannerTitle) &&
         readWholeFile(callTrace).empty();
}

// Copies source into folder under the client library's file name; false,
// with problem set, when it was not built.
bool putLibrary(const fs::path& source, const fs::path& folder, std::string& problem) {
  if (!fs::is_regular_file(source)) {
    problem = "not built: the library " + source.string();
    return false;
  }
  fs::copy_file(source, folder / kClientLibraryFile);
  return true;
}

// Puts a copy of the program, and the library the run asks for, in a folder of
// their own; returns the copy's path, or empty with problem set.
fs::path programBeside(ClientLibrary library, const fs::path& folder, std::string& problem) {
  fs::create_directory(folder);
  fs::path program = folder / kProgram.filename();
  fs::copy_file(kProgram, program);
  const fs::path& source = library == ClientLibrary::LackingCall         ? kLackingCallLibrary
                           : library == ClientLibrary::OtherArchitecture ? kOtherArchitectureLibrary
                           : library == ClientLibrary::StandinCopy       ? kStandinLibrary
                                                                         : fs::path();
  if (library != ClientLibrary::None && !putLibrary(source, folder, problem)) {
    return {};
  }
  return program;
}

// The folder a program apart is started from: it holds the server
// descriptions, as the default folder does, and a working stand-in, which
// the program must not load, since the loader would find it only by looking
// in the current folder. Empty, with problem set, when it cannot be made.
fs::path workingFolderWithLibrary(const fs::path& folder, std::string& problem) {
  fs::create_directory(folder);
  fs::create_directory_symlink(serversDirectory(), folder / serversDirectory().filename());
  return putLibrary(kStandinLibrary, folder, problem) ? folder : fs::path();
}

// Every spelling of folder that the program can write, the Windows one under
// Wine, replaced by kProgramFolder.
void nameProgramFolder(std::string& output, const fs::path& folder) {
  std::vector<std::string> spellings = {folder.string(), fs::canonical(folder).string()};
  if (kUnderWine) {
    std::string windows = "Z:" + fs::canonical(folder).string();
    std::replace(windows.begin(), windows.end(), '/', '\\');
    spellings.insert(spellings.begin(), windows);
  }
  for (const std::string& spelling : spellings) {
    for (std::size_t at = output.find(spelling); at != std::string::npos;
         at = output.find(spelling, at + kProgramFolder.size())) {
      output.replace(at, spelling.size(), kProgramFolder);
    }
  }
}

}  // namespace

std::string_view missingLibraryReason(ClientLibrary library) {
  if (library == ClientLibrary::OtherArchitecture && kOtherArchitectureLibrary.empty()) {
    return kNoOtherArchitectureReason;
  }
  return {};
}

bool underWine() {
  return kUnderWine;
}

std::string_view cannotRunReason() {
  return kCannotRunReason;
}

const fs::path& casesDirectory() {
  static const fs::path directory = KVN_E2E_CASES_DIR;
  return directory;
}

const fs::path& serversDirectory() {
  static const fs::path directory = KVN_E2E_SERVERS_DIR;
  return directory;
}

KvnshowOutcome runKvnshow(const KvnshowRun& run) {
  KvnshowOutcome outcome;
  if (!fs::is_regular_file(kProgram) || (!kUnderWine && !fs::is_regular_file(kFakeSleepLibrary))) {
    outcome.program.failure =
        "not built: " + kProgram.string() + " or " + kFakeSleepLibrary.string();
    return outcome;
  }
  const test::TempFolder scratch;
  const fs::path pauseLog = scratch.path() / "pauses.log";
  const fs::path callTrace = scratch.path() / "calls.log";

  fs::path executable = kProgram;
  fs::path workingDirectory = run.workingDirectory.value_or(serversDirectory().parent_path());
  const fs::path programFolder = scratch.path() / "program";
  if (run.library != ClientLibrary::Standin) {
    executable = programBeside(run.library, programFolder, outcome.program.failure);
    if (!run.workingDirectory && !executable.empty()) {
      workingDirectory =
          workingFolderWithLibrary(scratch.path() / "working", outcome.program.failure);
    }
    if (executable.empty() || workingDirectory.empty()) {
      return outcome;
    }
  }

  ProgramRun program;
  program.executable = executable;
  if (kUnderWine) {
    program.executable = kWine;
    program.argumentVector = {kWine.string(), executable.string()};
    for (const std::string& argument : run.arguments) {
      program.argumentVector.push_back(utf8FromCodePage1252(argument));
    }
  } else {
    program.argumentVector.push_back(run.programName.value_or(executable.string()));
    program.argumentVector.insert(program.argumentVector.end(), run.arguments.begin(),
                                  run.arguments.end());
  }
  program.environment = environmentFor(run, pauseLog, callTrace);
  program.workingDirectory = workingDirectory;
  program.scratchDirectory = scratch.path();
  program.standardOutput = run.standardOutput;
  program.pipeBytesRead = run.pipeBytesRead;
  program.brokenPipeIgnored = run.brokenPipeIgnored;
  for (int attempt = 1;; ++attempt) {
    outcome.program = runProgram(program);
    if (attempt == kWineStartAttempts || !wineFailedToStart(outcome.program, callTrace)) {
      break;
    }
    // Said on standard error, which the test log keeps, so that a run made
    // again is seen rather than hidden.
    std::cerr << "Wine did not start the program (attempt " << attempt << " of "
              << kWineStartAttempts << "); running it again\n";
    fs::remove(pauseLog);
    fs::remove(callTrace);
  }

  std::string pauseProblem;
  outcome.pauses = parseEventLog(readWholeFile(pauseLog), pauseProblem);
  std::string callProblem;
  outcome.calls = parseEventLog(readWholeFile(callTrace), callProblem);
  if (kUnderWine && run.dataOnStandardOutput) {
    // The lines are on standard error, in text mode; the data is as written.
    const std::string written = std::move(outcome.program.standardError);
    UntranslatedOutput untranslated = undoTextMode(written);
    outcome.textModeProblem = std::move(untranslated.problem);
    outcome.program.standardError = std::move(untranslated.bytes);
    const std::vector<OutputEvent> onError =
        untranslatedOffsets(written, onStandardError(outcome.calls));
    for (std::size_t k = 0; k < onError.size(); ++k) {
      outcome.calls[k].errorOffset = onError[k].outputOffset;
    }
  } else if (kUnderWine) {
    // What the Windows C runtime wrote has CR LF line ends; the checks read
    // the output, and the offsets into it, as the program meant them.
    const std::string written = std::move(outcome.program.standardOutput);
    UntranslatedOutput untranslated = undoTextMode(written);
    outcome.textModeProblem = std::move(untranslated.problem);
    outcome.program.standardOutput = std::move(untranslated.bytes);
    outcome.pauses = untranslatedOffsets(written, std::move(outcome.pauses));
    outcome.calls = untranslatedOffsets(written, std::move(outcome.calls));
  }
  if (run.library != ClientLibrary::Standin) {
    // After the offsets were moved, which a text with the folder's name in it
    // would shift: the program names it only when the run ends before its
    // first pause, with no library call traced.
    nameProgramFolder(outcome.program.standardOutput, programFolder);
  }
  if (!pauseProblem.empty()) {
    outcome.logProblem = "pause log: " + pauseProblem;
  } else if (!callProblem.empty()) {
    outcome.logProblem = "library call trace: " + callProblem;
  }
  return outcome;
}

}  // namespace kvn::e2e
