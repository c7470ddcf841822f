// The thirteen calls of kvnapi/kvnapi.h, as the program makes them: each goes
// to the address that bindClientLibrary found for it.
#include "kvnapi/kvnapi.h"
#include "kvnbinding/bound_call.h"

using kvn::binding::Call;
using kvn::binding::callBound;

namespace {

#if KVN_CALLS_RESTORE_STACK
// The program's comparison, called back by the library's sort in the
// convention of its other calls: whether the library pops its arguments, as
// the calls before the sort have shown. The program sorts one list at a time.
KvnCompareFn programComparison = nullptr;

std::int32_t __stdcall compareForPoppingLibrary(const void* a, const void* b) {
  return programComparison(a, b);
}

std::int32_t __cdecl compareForLeavingLibrary(const void* a, const void* b) {
  return programComparison(a, b);
}

// The comparison as the stack slot the library's sort is given.
std::uint32_t comparisonForLibrary(KvnCompareFn compare) {
  programComparison = compare;
  if (kvn::binding::observedConvention() == kvn::binding::CalleeConvention::LeavesArguments) {
    return kvn::binding::stackSlot(&compareForLeavingLibrary);
  }
  return kvn::binding::stackSlot(&compareForPoppingLibrary);
}
#else
KvnCompareFn comparisonForLibrary(KvnCompareFn compare) {
  return compare;
}
#endif

}  // namespace

extern "C" {

int32_t KVNAPI_CALL KvnGetAPIVersion(void) {
  return callBound<int32_t>(Call::GetAPIVersion);
}

KvnServerHandle KVNAPI_CALL KvnCreateServerHandle(const char* host, int32_t mode, int32_t* error) {
  return callBound<KvnServerHandle>(Call::CreateServerHandle, host, mode, error);
}

int32_t KVNAPI_CALL KvnVersionCheck(KvnServerHandle server, int32_t release, int32_t reserved) {
  return callBound<int32_t>(Call::VersionCheck, server, release, reserved);
}

int32_t KVNAPI_CALL KvnGetServerInfo2(KvnServerHandle server, void* serverInfo) {
  return callBound<int32_t>(Call::GetServerInfo2, server, serverInfo);
}

int32_t KVNAPI_CALL KvnLoadUser3(KvnServerHandle server, int32_t a, int32_t b, const char* userId,
                                 int32_t c, int32_t d, int32_t e, int32_t f, int32_t level,
                                 void* user) {
  return callBound<int32_t>(Call::LoadUser3, server, a, b, userId, c, d, e, f, level, user);
}

int32_t KVNAPI_CALL KvnStringKvnErr(int32_t error, char* text, int32_t size) {
  return callBound<int32_t>(Call::StringKvnErr, error, text, size);
}

void KVNAPI_CALL KvnCloseServerHandle(KvnServerHandle server) {
  callBound<void>(Call::CloseServerHandle, server);
}

int32_t KVNAPI_CALL KvnGetFaxList(KvnServerHandle server, const char* userId, int32_t a,
                                  uint16_t options, int32_t b, KvnListHandle* list) {
  return callBound<int32_t>(Call::GetFaxList, server, userId, a, options, b, list);
}

int32_t KVNAPI_CALL KvnListSort(KvnListHandle list, KvnCompareFn compare) {
  return callBound<int32_t>(Call::ListSort, list, comparisonForLibrary(compare));
}

int32_t KVNAPI_CALL KvnListGetFirstElementPtr(KvnListHandle list, void** element) {
  return callBound<int32_t>(Call::ListGetFirstElementPtr, list, element);
}

int32_t KVNAPI_CALL KvnListGetNextElementPtr(KvnListHandle list, void** element) {
  return callBound<int32_t>(Call::ListGetNextElementPtr, list, element);
}

void KVNAPI_CALL KvnCloseListHandle(KvnListHandle list) {
  callBound<void>(Call::CloseListHandle, list);
}

int32_t KVNAPI_CALL KvnLoadFax3(KvnServerHandle server, KvnFaxHandle fax, int32_t a, int32_t b,
                                int32_t c, void* record, int32_t level) {
  return callBound<int32_t>(Call::LoadFax3, server, fax, a, b, c, record, level);
}

}  // extern "C"
