#include "kvnbinding/loaded_library.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <cstdlib>
#include <memory>
#include <span>
#include <vector>
#endif

#include <array>
#include <cstdio>

namespace kvn::binding {

#if defined(_WIN32)

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

#else

namespace {

// The loader's text of its last error, copied before anything allocates: the
// text lives only until the next call into the loader, and an allocator may
// make one.
std::string loaderError() {
  std::array<char, 512> text{};
  const char* error = dlerror();
  std::snprintf(text.data(), text.size(), "%s", error != nullptr ? error : "unknown error");
  return text.data();
}

// The folders the loader searches for the program's own libraries, in its
// order: LD_LIBRARY_PATH, the program's runtime path ($ORIGIN expanded), the
// system's folders.
std::vector<std::string> programSearchPath() {
  std::vector<std::string> folders;
  void* program = dlopen(nullptr, RTLD_NOW);
  Dl_serinfo size{};
  if (program == nullptr || dlinfo(program, RTLD_DI_SERINFOSIZE, &size) != 0) {
    return folders;
  }
  const std::unique_ptr<void, decltype(&std::free)> buffer(std::malloc(size.dls_size), &std::free);
  auto* info = static_cast<Dl_serinfo*>(buffer.get());
  if (info != nullptr && dlinfo(program, RTLD_DI_SERINFOSIZE, info) == 0 &&
      dlinfo(program, RTLD_DI_SERINFO, info) == 0) {
    const std::span<const Dl_serpath> paths(info->dls_serpath, info->dls_cnt);
    for (const Dl_serpath& path : paths) {
      if (path.dls_name != nullptr && *path.dls_name != '\0') {
        folders.emplace_back(path.dls_name);
      }
    }
  }
  dlclose(program);
  return folders;
}

}  // namespace

const char* clientLibraryFileName() {
  return "libKVWIN32.so";
}

LoadedLibrary loadLibrary(const char* fileName) {
  if (void* handle = dlopen(fileName, RTLD_NOW | RTLD_LOCAL)) {
    return {handle, {}};
  }
  // The loader searches the runtime path of the object that called dlopen.
  // Where a tool wraps dlopen (a sanitizer, a profiler), the tool is that
  // caller and the program's own runtime path goes unsearched; so the
  // program's search path is tried too, file by file. A file found there
  // that does not load gives the reason, which then names it.
  std::string whyNot = loaderError();
  bool found = false;
  for (const std::string& folder : programSearchPath()) {
    const std::string path = folder + "/" + fileName;
    if (access(path.c_str(), F_OK) != 0) {
      continue;
    }
    if (void* handle = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {
      return {handle, {}};
    }
    if (!found) {
      whyNot = loaderError();
      found = true;
    }
  }
  return {nullptr, whyNot};
}

ExportAddress findExport(void* handle, const char* name) {
  return reinterpret_cast<ExportAddress>(dlsym(handle, name));
}

std::string loadedPath(void* handle) {
  link_map* map = nullptr;
  if (dlinfo(handle, RTLD_DI_LINKMAP, &map) != 0 || map == nullptr || map->l_name == nullptr) {
    return clientLibraryFileName();
  }
  return map->l_name;
}

#endif

}  // namespace kvn::binding
