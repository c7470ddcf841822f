#include "kvnbinding/client_library.h"

#include <array>
#include <cstddef>

#include "kvnbinding/bound_call.h"
#include "kvnbinding/loaded_library.h"

namespace kvn {
namespace binding {
namespace {

struct CallName {
  const char* name;
  int argumentBytes;  // the N of a 32-bit __stdcall name, _Name@N
};

// In the order of Call; the sizes are those of src/kvnapi/KVWIN32.def.
constexpr std::array<CallName, kCallCount> kCallNames = {{
    {"KvnGetAPIVersion", 0},
    {"KvnCreateServerHandle", 12},
    {"KvnVersionCheck", 12},
    {"KvnGetServerInfo2", 8},
    {"KvnLoadUser3", 40},
    {"KvnStringKvnErr", 12},
    {"KvnCloseServerHandle", 4},
    {"KvnGetFaxList", 24},
    {"KvnListSort", 8},
    {"KvnListGetFirstElementPtr", 8},
    {"KvnListGetNextElementPtr", 8},
    {"KvnCloseListHandle", 4},
    {"KvnLoadFax3", 28},
}};

std::array<ExportAddress, kCallCount> boundAddresses{};

// The plain name, as a library built with a module-definition file exports
// it; then the names a compiler gives a 32-bit __stdcall export without one,
// with and without the leading underscore.
ExportAddress findCall(void* library, const CallName& call) {
  if (ExportAddress found = findExport(library, call.name)) {
    return found;
  }
  const std::string decorated = std::string(call.name) + "@" + std::to_string(call.argumentBytes);
  if (ExportAddress found = findExport(library, ("_" + decorated).c_str())) {
    return found;
  }
  return findExport(library, decorated.c_str());
}

std::string bind() {
  const LoadedLibrary library = loadLibrary(clientLibraryFileName());
  if (library.handle == nullptr) {
    return "Can't load the Kavrin client library KVWIN32: " + library.whyNot;
  }
  for (std::size_t k = 0; k < kCallCount; ++k) {
    boundAddresses.at(k) = findCall(library.handle, kCallNames.at(k));
    if (boundAddresses.at(k) == nullptr) {
      return std::string("Can't find ") + kCallNames.at(k).name +
             " in the Kavrin client library: " + loadedPath(library.handle);
    }
  }
  return {};
}

}  // namespace

ExportAddress boundAddress(Call call) {
  return boundAddresses.at(static_cast<std::size_t>(call));
}

}  // namespace binding

const std::string& bindClientLibrary() {
  static const std::string failure = binding::bind();
  return failure;
}

}  // namespace kvn
