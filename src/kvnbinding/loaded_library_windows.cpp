// The platform's loader on Windows (CMake picks this file or the POSIX one).
// Only the Windows build compiles it; the guard has the Linux lint, which
// reads every source, pass over it.
#if defined(_WIN32)

#include "kvnbinding/loaded_library.h"

#include <windows.h>

#include <array>
#include <string>

namespace kvn::binding {

namespace {

// The system's own text of an error, on one line, without its closing stop.
std::string systemText(DWORD error) {
  std::array<char, 512> text{};
  const DWORD length =
      FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0,
                     text.data(), static_cast<DWORD>(text.size()), nullptr);
  std::string line(text.data(), length);
  for (char& c : line) {
    c = (c == '\r' || c == '\n') ? ' ' : c;
  }
  while (!line.empty() && (line.back() == ' ' || line.back() == '.')) {
    line.pop_back();
  }
  return line.empty() ? "unknown error" : line;
}

// The two reasons an operator meets at a site are said in the program's own
// words: the system's texts for them do not say what to do.
std::string reasonFor(const char* fileName, DWORD error) {
  const std::string code = " (error " + std::to_string(error) + ")";
  switch (error) {
    case ERROR_MOD_NOT_FOUND:
      return std::string(fileName) + ", or a library it needs, was not found" + code;
    case ERROR_BAD_EXE_FORMAT:
      return std::string(fileName) +
             " is of another architecture than this kvnshow.exe, or not a Windows library" + code;
    default:
      return systemText(error) + code;
  }
}

}  // namespace

const char* clientLibraryFileName() {
  return "KVWIN32.dll";
}

LoadedLibrary loadLibrary(const char* fileName) {
  // A library that will not load must not stop an unattended run with a
  // message box: the error comes back as a code instead.
  const UINT previousMode = SetErrorMode(SEM_FAILCRITICALERRORS | SEM_NOOPENFILEERRORBOX);
  HMODULE module = LoadLibraryA(fileName);
  const DWORD error = GetLastError();
  SetErrorMode(previousMode);
  if (module == nullptr) {
    return {nullptr, reasonFor(fileName, error)};
  }
  return {module, {}};
}

ExportAddress findExport(void* handle, const char* name) {
  return reinterpret_cast<ExportAddress>(GetProcAddress(static_cast<HMODULE>(handle), name));
}

std::string loadedPath(void* handle) {
  std::array<char, MAX_PATH + 1> path{};
  const DWORD length = GetModuleFileNameA(static_cast<HMODULE>(handle), path.data(),
                                          static_cast<DWORD>(path.size() - 1));
  return std::string(path.data(), length);
}

}  // namespace kvn::binding

#endif  // _WIN32
