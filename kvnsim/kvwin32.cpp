// The thirteen calls of the client library, served from server descriptions.
// Every call catches whatever goes wrong inside and reports it as a status;
// nothing is thrown across the C interface.
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <map>
#include <memory>
#include <new>
#include <string>

#include "accepted_arguments.h"
#include "call_trace.h"
#include "description_loader.h"
#include "error_codes.h"
#include "error_texts.h"
#include "fax_list.h"
#include "handle_table.h"
#include "kvnapi/kvnapi.h"
#include "library_lock.h"
#include "server_locator.h"
#include "server_records.h"

namespace kvnsim {
namespace {

struct Connection {
  std::shared_ptr<const ServerDescription> server;
  std::uint64_t serverInfoCalls = 0;
};

struct Library {
  LibraryLock lock;
  HandleSource handles;
  HandleTable<Connection> connections{handles};
  HandleTable<FaxList> lists{handles};
  std::map<std::string, std::uint64_t> connectAttempts;  // by host text, for the process
  std::int32_t apiVersion = kLibraryApiVersion;
  ErrorTexts errorTexts;
};

Library& library() {
  static Library instance;
  return instance;
}

// Runs one call under the library's lock; a failure inside becomes the
// status onFailure.
template <typename Call>
std::int32_t guarded(std::int32_t onFailure, Call&& call) {
  try {
    Library& state = library();
    const LibraryLock::Held held(state.lock);
    return call(state);
  } catch (...) {
    return onFailure;
  }
}

// A fixed argument as passed, its place in the call (from 1) and the value a
// program must pass there.
struct FixedArgument {
  int position;
  std::int32_t passed;
  std::int32_t expected;
};

// Refuses a call whose fixed arguments are not what a program must pass, so
// that a wrong one shows instead of being ignored.
std::int32_t checkFixedArguments(Library& state, const char* call,
                                 std::initializer_list<FixedArgument> arguments) {
  for (const FixedArgument& argument : arguments) {
    if (argument.passed != argument.expected) {
      state.errorTexts.recordWrongConstant(call, argument.position, argument.passed,
                                           argument.expected);
      return error::kWrongConstant;
    }
  }
  return error::kNone;
}

// One step of a list's walk, first or next.
std::int32_t walkStep(FaxList* faxes, void** element, std::int32_t (FaxList::*step)(void**)) {
  if (faxes == nullptr) {
    return error::kInvalidHandle;
  }
  return element == nullptr ? error::kListRead : (faxes->*step)(element);
}

std::int32_t connect(Library& state, const char* hostText, KvnServerHandle& handle) {
  const std::string host = hostText != nullptr ? hostText : "";
  const char* serversFolder = std::getenv("KVNSIM_SERVERS");
  const DescriptionSource source = locateServer(host, serversFolder);
  DescriptionLoad load;
  switch (source.kind) {
    case DescriptionSource::Kind::kNotFound:
      state.errorTexts.recordServerNotFound(host,
                                            serversFolder == nullptr || *serversFolder == '\0');
      return error::kServerNotFound;
    case DescriptionSource::Kind::kDemo:
      load = loadServerDescription(demoServerDescription());
      break;
    case DescriptionSource::Kind::kFile:
      if (const auto text = readDescriptionFile(source.file)) {
        load = loadServerDescription(*text);
      } else {
        load.problem = "the file cannot be read";
      }
      break;
  }
  if (!load.server) {
    state.errorTexts.recordBadDescription(
        source.kind == DescriptionSource::Kind::kDemo ? std::string(kDemoHost) : source.file,
        load.problem);
    return error::kBadDescription;
  }
  const ServerDescription& server = *load.server;
  state.apiVersion = server.apiVersion;
  state.errorTexts.useDescriptionTexts(server.errorTexts);

  const std::uint64_t attempt = ++state.connectAttempts[host];
  if (const auto& fault = server.faults.connect;
      fault && (!fault->failures || attempt <= *fault->failures)) {
    return fault->error;
  }
  handle = state.connections.add(std::make_unique<Connection>(Connection{load.server, 0}));
  return error::kNone;
}

}  // namespace
}  // namespace kvnsim

using kvnsim::checkFixedArguments;
using kvnsim::Connection;
using kvnsim::FaxList;
using kvnsim::guarded;
using kvnsim::Library;
namespace accepted = kvnsim::accepted;
namespace error = kvnsim::error;

int32_t KVNAPI_CALL KvnGetAPIVersion(void) {
  kvnsim::traceCall("KvnGetAPIVersion");
  return guarded(kvnsim::kLibraryApiVersion, [](const Library& state) { return state.apiVersion; });
}

KvnServerHandle KVNAPI_CALL KvnCreateServerHandle(const char* host, int32_t mode,
                                                  int32_t* errorCode) {
  kvnsim::traceCall("KvnCreateServerHandle");
  KvnServerHandle handle = 0;
  const std::int32_t status = guarded(error::kServerNotFound, [&](Library& state) {
    if (const std::int32_t refused = checkFixedArguments(state, "KvnCreateServerHandle",
                                                         {{2, mode, accepted::kConnectMode}})) {
      return refused;
    }
    return kvnsim::connect(state, host, handle);
  });
  if (errorCode != nullptr) {
    *errorCode = status;
  }
  return status == error::kNone ? handle : 0;
}

int32_t KVNAPI_CALL KvnVersionCheck(KvnServerHandle server, int32_t release, int32_t reserved) {
  kvnsim::traceCall("KvnVersionCheck");
  return guarded(error::kReleaseTooOld, [&](Library& state) {
    if (const std::int32_t refused = checkFixedArguments(
            state, "KvnVersionCheck",
            {{2, release, accepted::kRelease}, {3, reserved, accepted::kVersionCheckReserved}})) {
      return refused;
    }
    const Connection* connection = state.connections.find(server);
    if (connection == nullptr) {
      return error::kInvalidHandle;
    }
    const kvnsim::ServerDescription& description = *connection->server;
    const bool tooOld = static_cast<std::int64_t>(description.release) < std::int64_t{release};
    return description.faults.releaseRefused || tooOld ? error::kReleaseTooOld : error::kNone;
  });
}

int32_t KVNAPI_CALL KvnGetServerInfo2(KvnServerHandle server, void* serverInfo) {
  kvnsim::traceCall("KvnGetServerInfo2");
  return guarded(error::kServerInfo, [&](Library& state) {
    Connection* connection = state.connections.find(server);
    if (connection == nullptr) {
      return error::kInvalidHandle;
    }
    const std::uint64_t call = ++connection->serverInfoCalls;
    if (const auto& fault = connection->server->faults.serverInfo;
        fault && call >= fault->failFrom) {
      return fault->error;
    }
    if (serverInfo == nullptr) {
      return error::kServerInfo;
    }
    kvnsim::writeServerInfo(*connection->server, static_cast<unsigned char*>(serverInfo));
    return error::kNone;
  });
}

int32_t KVNAPI_CALL KvnLoadUser3(KvnServerHandle server, int32_t a, int32_t b, const char* userId,
                                 int32_t c, int32_t d, int32_t e, int32_t f, int32_t level,
                                 void* user) {
  kvnsim::traceCall("KvnLoadUser3");
  return guarded(error::kUserNotFound, [&](Library& state) {
    if (const std::int32_t refused = checkFixedArguments(state, "KvnLoadUser3",
                                                         {{2, a, accepted::kLoadUserA},
                                                          {3, b, accepted::kLoadUserB},
                                                          {5, c, accepted::kLoadUserC},
                                                          {6, d, accepted::kLoadUserD},
                                                          {7, e, accepted::kLoadUserE},
                                                          {8, f, accepted::kLoadUserF},
                                                          {9, level, accepted::kLoadUserLevel}})) {
      return refused;
    }
    const Connection* connection = state.connections.find(server);
    if (connection == nullptr) {
      return error::kInvalidHandle;
    }
    if (const auto& fault = connection->server->faults.userLookupError) {
      return *fault;
    }
    const kvnsim::User* found = userId != nullptr ? connection->server->findUser(userId) : nullptr;
    if (found == nullptr || user == nullptr) {
      return error::kUserNotFound;
    }
    kvnsim::writeUserRecord(*found, static_cast<unsigned char*>(user));
    return error::kNone;
  });
}

int32_t KVNAPI_CALL KvnStringKvnErr(int32_t errorCode, char* text, int32_t size) {
  kvnsim::traceCall("KvnStringKvnErr");
  return guarded(error::kNone, [&](Library& state) {
    // A smaller size would cost the 500th character of a long text with a
    // library that terminates within it, as the interface allows.
    if (const std::int32_t refused =
            checkFixedArguments(state, "KvnStringKvnErr", {{3, size, accepted::kErrorTextSize}})) {
      return refused;
    }
    if (text == nullptr) {
      return error::kNone;
    }
    // As strncpy: at most size bytes, the rest of them zero, and no
    // terminator when the text fills the buffer.
    const std::string message = state.errorTexts.text(errorCode);
    const auto room = static_cast<std::size_t>(size);
    const std::size_t copied = std::min(message.size(), room);
    std::memcpy(text, message.data(), copied);  // NOLINT(bugprone-not-null-terminated-result)
    std::memset(text + copied, 0, room - copied);
    return error::kNone;
  });
}

void KVNAPI_CALL KvnCloseServerHandle(KvnServerHandle server) {
  kvnsim::traceCall("KvnCloseServerHandle");
  guarded(error::kNone, [&](Library& state) {
    state.connections.remove(server);
    return error::kNone;
  });
}

int32_t KVNAPI_CALL KvnGetFaxList(KvnServerHandle server, const char* userId, int32_t a,
                                  uint16_t options, int32_t b, KvnListHandle* list) {
  kvnsim::traceCall("KvnGetFaxList");
  return guarded(error::kFaxList, [&](Library& state) {
    if (const std::int32_t refused = checkFixedArguments(
            state, "KvnGetFaxList", {{3, a, accepted::kFaxListA}, {5, b, accepted::kFaxListB}})) {
      return refused;
    }
    const Connection* connection = state.connections.find(server);
    if (connection == nullptr) {
      return error::kInvalidHandle;
    }
    const kvnsim::ServerDescription& description = *connection->server;
    if (const auto& fault = description.faults.faxListError) {
      return *fault;
    }
    const kvnsim::User* user = userId != nullptr ? description.findUser(userId) : nullptr;
    if (user == nullptr) {
      return error::kUserNotFound;
    }
    if (list == nullptr ||
        (options != accepted::kMainFolderMask && options != accepted::kEveryFolderMask)) {
      return error::kFaxList;
    }
    const auto folders = options == accepted::kMainFolderMask
                             ? kvnsim::FolderSelection::kMainFolderOnly
                             : kvnsim::FolderSelection::kEveryFolder;
    const kvnsim::ListFaults faults{description.faults.sortError, description.faults.walk};
    *list = state.lists.add(std::make_unique<FaxList>(*user, folders, faults));
    return error::kNone;
  });
}

int32_t KVNAPI_CALL KvnListSort(KvnListHandle list, KvnCompareFn compare) {
  kvnsim::traceCall("KvnListSort");
  return guarded(error::kSort, [&](Library& state) {
    FaxList* faxes = state.lists.find(list);
    return faxes == nullptr ? error::kInvalidHandle : faxes->sort(compare);
  });
}

int32_t KVNAPI_CALL KvnListGetFirstElementPtr(KvnListHandle list, void** element) {
  kvnsim::traceCall("KvnListGetFirstElementPtr");
  return guarded(error::kListRead, [&](Library& state) {
    return kvnsim::walkStep(state.lists.find(list), element, &FaxList::first);
  });
}

int32_t KVNAPI_CALL KvnListGetNextElementPtr(KvnListHandle list, void** element) {
  kvnsim::traceCall("KvnListGetNextElementPtr");
  return guarded(error::kListRead, [&](Library& state) {
    return kvnsim::walkStep(state.lists.find(list), element, &FaxList::next);
  });
}

void KVNAPI_CALL KvnCloseListHandle(KvnListHandle list) {
  kvnsim::traceCall("KvnCloseListHandle");
  guarded(error::kNone, [&](Library& state) {
    state.lists.remove(list);
    return error::kNone;
  });
}

int32_t KVNAPI_CALL KvnLoadFax3(KvnServerHandle server, KvnFaxHandle fax, int32_t a, int32_t b,
                                int32_t c, void* record, int32_t level) {
  kvnsim::traceCall("KvnLoadFax3");
  return guarded(error::kLoadFax, [&](Library& state) {
    if (const std::int32_t refused = checkFixedArguments(state, "KvnLoadFax3",
                                                         {{3, a, accepted::kLoadFaxA},
                                                          {4, b, accepted::kLoadFaxB},
                                                          {5, c, accepted::kLoadFaxC},
                                                          {7, level, accepted::kLoadFaxLevel}})) {
      return refused;
    }
    const Connection* connection = state.connections.find(server);
    if (connection == nullptr) {
      return error::kInvalidHandle;
    }
    const kvnsim::ServerDescription& description = *connection->server;
    if (const auto& fault = description.faults.loadFax; fault && fault->handles.contains(fax)) {
      return fault->error;
    }
    if (record == nullptr ||
        !description.writeFaxDetails(fax, static_cast<unsigned char*>(record))) {
      return error::kLoadFax;
    }
    return error::kNone;
  });
}
