#include "fuzzed_client_library.h"

#include <algorithm>
#include <utility>

#include "kvnapi/kvnapi.h"

namespace {

constexpr KvnServerHandle kOnlyServer = 1;

FuzzedServer& served() {
  static FuzzedServer server;
  return server;
}

}  // namespace

void serveFuzzedServer(FuzzedServer server) {
  served() = std::move(server);
}

extern "C" {

int32_t KvnGetAPIVersion(void) {
  return served().apiVersion;
}

KvnServerHandle KvnCreateServerHandle(const char* /*host*/, int32_t /*mode*/, int32_t* error) {
  if (error != nullptr) {  // as a real library, it checks the address it writes through
    *error = 0;
  }
  return kOnlyServer;
}

int32_t KvnVersionCheck(KvnServerHandle /*server*/, int32_t /*release*/, int32_t /*reserved*/) {
  return 0;
}

int32_t KvnGetServerInfo2(KvnServerHandle /*server*/, void* serverInfo) {
  std::copy(served().serverInfo.begin(), served().serverInfo.end(),
            static_cast<unsigned char*>(serverInfo));
  return 0;
}

int32_t KvnLoadUser3(KvnServerHandle /*server*/, int32_t /*a*/, int32_t /*b*/,
                     const char* /*userId*/, int32_t /*c*/, int32_t /*d*/, int32_t /*e*/,
                     int32_t /*f*/, int32_t /*level*/, void* user) {
  std::copy(served().userRecord.begin(), served().userRecord.end(),
            static_cast<unsigned char*>(user));
  return 0;
}

int32_t KvnStringKvnErr(int32_t /*error*/, char* text, int32_t size) {
  const std::string& errorText = served().errorText;
  std::copy_n(errorText.begin(),
              std::min(errorText.size(), static_cast<std::size_t>(std::max(size, 0))), text);
  return 0;
}

void KvnCloseServerHandle(KvnServerHandle /*server*/) {}

}  // extern "C"
