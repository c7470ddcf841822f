/* Another implementation of the client library's thirteen calls, as small as
 * will serve: one server that knows no user. kvnshow, built against the
 * stand-in, must run on it unchanged when the loader finds it first, as it
 * must on a site's own library. */
#include <stddef.h>
#include <string.h>

#include "kvnapi/kvnapi.h"

enum { kOtherServer = 7, kNoUser = 42 };

int32_t KVNAPI_CALL KvnGetAPIVersion(void) {
  return 946684800; /* 2000-01-01 00:00:00 UTC */
}

KvnServerHandle KVNAPI_CALL KvnCreateServerHandle(const char* host, int32_t mode, int32_t* error) {
  (void)host;
  (void)mode;
  if (error != NULL) {
    *error = 0;
  }
  return kOtherServer;
}

int32_t KVNAPI_CALL KvnVersionCheck(KvnServerHandle server, int32_t release, int32_t reserved) {
  (void)reserved;
  return server == kOtherServer && release == 0x520 ? 0 : 1;
}

int32_t KVNAPI_CALL KvnGetServerInfo2(KvnServerHandle server, void* serverInfo) {
  static const char kText[] = "the other library";
  if (server != kOtherServer || serverInfo == NULL) {
    return 1;
  }
  memset(serverInfo, 0, 904);
  memcpy((char*)serverInfo + 12, kText, sizeof kText);
  return 0;
}

int32_t KVNAPI_CALL KvnLoadUser3(KvnServerHandle server, int32_t a, int32_t b, const char* userId,
                                 int32_t c, int32_t d, int32_t e, int32_t f, int32_t level,
                                 void* user) {
  (void)server, (void)a, (void)b, (void)userId, (void)c, (void)d, (void)e, (void)f, (void)level;
  (void)user;
  return kNoUser;
}

int32_t KVNAPI_CALL KvnStringKvnErr(int32_t error, char* text, int32_t size) {
  (void)error;
  if (text != NULL && size > 0) {
    text[0] = '\0';
  }
  return 0;
}

void KVNAPI_CALL KvnCloseServerHandle(KvnServerHandle server) {
  (void)server;
}

int32_t KVNAPI_CALL
KvnGetFaxList(KvnServerHandle server, const char* userId, int32_t a, uint16_t options, int32_t b,
              KvnListHandle* list) { /* NOLINT(readability-non-const-parameter) */
  (void)server, (void)userId, (void)a, (void)options, (void)b, (void)list;
  return 1;
}

int32_t KVNAPI_CALL KvnListSort(KvnListHandle list, KvnCompareFn compare) {
  (void)list, (void)compare;
  return 1;
}

int32_t KVNAPI_CALL KvnListGetFirstElementPtr(KvnListHandle list, void** element) {
  (void)list, (void)element;
  return 1;
}

int32_t KVNAPI_CALL KvnListGetNextElementPtr(KvnListHandle list, void** element) {
  (void)list, (void)element;
  return 1;
}

void KVNAPI_CALL KvnCloseListHandle(KvnListHandle list) {
  (void)list;
}

/* Built with KVN_LACKS_LOAD_FAX3, it is a library that lacks the last call
 * kvnshow looks for, which it must name rather than start without. */
#if !defined(KVN_LACKS_LOAD_FAX3)
int32_t KVNAPI_CALL KvnLoadFax3(KvnServerHandle server, KvnFaxHandle fax, int32_t a, int32_t b,
                                int32_t c, void* record, int32_t level) {
  (void)server, (void)fax, (void)a, (void)b, (void)c, (void)record, (void)level;
  return 1;
}
#endif
