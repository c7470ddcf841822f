// The platform's loader on Linux (CMake picks this file or the Windows one).
#include "kvnbinding/loaded_library.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <array>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace kvn::binding {

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
// system's folders; absolute ones only. The loader reports an empty entry as
// "." and keeps a relative one as it is: either would be the current folder,
// or one in it, wherever the program was started.
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
      if (path.dls_name != nullptr && *path.dls_name == '/') {
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

}  // namespace kvn::binding
