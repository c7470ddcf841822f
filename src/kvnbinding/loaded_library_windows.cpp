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

// The path a module was loaded from, as much of it as the system gives.
std::string modulePath(HMODULE module) {
  std::array<char, MAX_PATH + 1> path{};
  const DWORD length = GetModuleFileNameA(module, path.data(), static_cast<DWORD>(path.size() - 1));
  return std::string(path.data(), length);
}

// The folder of the program's own file; empty where it cannot be had whole,
// or where it holds a ';', at which the loader, which joins the folders of
// its search with ';', would split it.
std::string programFolder() {
  const std::string path = modulePath(nullptr);
  const std::size_t end = path.find_last_of("\\/");
  if (path.size() >= MAX_PATH || end == std::string::npos || path.find(';') != std::string::npos) {
    return {};
  }
  // A drive's root keeps its backslash: "C:" alone is that drive's current
  // folder.
  return path.substr(0, end == 2 && path[1] == ':' ? end + 1 : end);
}

}  // namespace

const char* clientLibraryFileName() {
  return "KVWIN32.dll";
}

LoadedLibrary loadLibrary(const char* fileName) {
  // The current folder is taken out of the search, for this library and for
  // those it loads in turn: a KVWIN32.dll left in whatever folder a run is
  // started from would otherwise be loaded, ahead of PATH, with the rights of
  // whoever started it. The DLL directory is searched right after the
  // program's folder, before the system folders: set to the program's folder
  // itself, it leaves the rest of the search in its order. An empty one, the
  // fallback, takes the current folder out on Windows too, but not under Wine.
  if (SetDllDirectoryA(programFolder().c_str()) == FALSE) {
    return {nullptr, reasonFor(fileName, GetLastError())};
  }
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
  return modulePath(static_cast<HMODULE>(handle));
}

}  // namespace kvn::binding

#endif  // _WIN32
