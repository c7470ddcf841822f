// The platform's loader, as the binding of the client library needs it:
// load a library by name where the program's own imports would be found (its
// own folder first), find an export, and say where a library was found or why
// it could not be loaded. A loaded library stays for the life of the process.
#ifndef KVNBINDING_LOADED_LIBRARY_H
#define KVNBINDING_LOADED_LIBRARY_H

#include <string>

namespace kvn::binding {

// Any exported function's address, before it is given its real type.
using ExportAddress = void (*)();

struct LoadedLibrary {
  void* handle = nullptr;  // null when the library could not be loaded
  std::string whyNot;      // then the loader's reason, in words
};

// The client library's file name on this platform.
const char* clientLibraryFileName();

LoadedLibrary loadLibrary(const char* fileName);

// Null when the library exports no such name.
ExportAddress findExport(void* handle, const char* name);

// The path the loader found the library at.
std::string loadedPath(void* handle);

}  // namespace kvn::binding

#endif  // KVNBINDING_LOADED_LIBRARY_H
