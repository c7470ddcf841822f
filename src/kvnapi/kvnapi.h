/* The Kavrin fax server client library, KVWIN32: the thirteen calls the
 * program finds by name. Every call that reports a status returns 0 for
 * success. Records are caller-owned buffers; their layouts are in
 * kvnrecords.h. */
#ifndef KVNAPI_KVNAPI_H
#define KVNAPI_KVNAPI_H

#include <stdint.h>

/* The calling convention of the calls and of the comparison that KvnListSort
 * calls back, as a library is built with them: __stdcall on 32-bit Windows
 * unless the build says KVNAPI_CALLS_CDECL. Elsewhere there is one
 * convention. kvnshow binds the library at run time (src/kvnbinding), which
 * serves a library of either convention; the stand-in is built in each. */
#if defined(_WIN32) && !defined(_WIN64)
#if defined(KVNAPI_CALLS_CDECL)
#define KVNAPI_CALL __cdecl
#else
#define KVNAPI_CALL __stdcall
#endif
#define KVNAPI_CALLBACK KVNAPI_CALL
#else
#define KVNAPI_CALL
#define KVNAPI_CALLBACK
#endif

/* A library exports the calls. kvnshow finds them at run time; the tests and
 * benchmarks that call the stand-in directly link it, with no dllimport. */
#if defined(KVNAPI_BUILDING_LIBRARY) && defined(_WIN32)
#define KVNAPI_EXPORT __declspec(dllexport)
#elif defined(KVNAPI_BUILDING_LIBRARY) && defined(__GNUC__)
#define KVNAPI_EXPORT __attribute__((visibility("default")))
#else
#define KVNAPI_EXPORT
#endif

#ifdef __cplusplus
extern "C" {
#endif

typedef uint32_t KvnServerHandle; /* opaque, 0 = none */
typedef uint32_t KvnListHandle;
typedef uint32_t KvnFaxHandle;

/* Called back on the caller's thread within KvnListSort with two list
 * elements; negative means a belongs before b. */
typedef int32_t(KVNAPI_CALLBACK* KvnCompareFn)(const void* a, const void* b);

/* The library's version stamp: a calendar time, seconds since 1970 UTC. */
KVNAPI_EXPORT int32_t KVNAPI_CALL KvnGetAPIVersion(void);

/* Opens a connection; 0 with *error filled when it cannot. */
KVNAPI_EXPORT KvnServerHandle KVNAPI_CALL KvnCreateServerHandle(const char* host, int32_t mode,
                                                                int32_t* error);

/* 0 when the server's release is at least the one asked for (0x520 = 5.20). */
KVNAPI_EXPORT int32_t KVNAPI_CALL KvnVersionCheck(KvnServerHandle server, int32_t release,
                                                  int32_t reserved);

/* Fills the 904-byte server information record. */
KVNAPI_EXPORT int32_t KVNAPI_CALL KvnGetServerInfo2(KvnServerHandle server, void* serverInfo);

/* Fills the 1902-byte user record of the user named by userId. */
KVNAPI_EXPORT int32_t KVNAPI_CALL KvnLoadUser3(KvnServerHandle server, int32_t a, int32_t b,
                                               const char* userId, int32_t c, int32_t d, int32_t e,
                                               int32_t f, int32_t level, void* user);

/* Writes the text of an error code into text, at most size bytes. */
KVNAPI_EXPORT int32_t KVNAPI_CALL KvnStringKvnErr(int32_t error, char* text, int32_t size);

KVNAPI_EXPORT void KVNAPI_CALL KvnCloseServerHandle(KvnServerHandle server);

/* Fetches a user's fax list; the list handle serves until KvnCloseListHandle. */
KVNAPI_EXPORT int32_t KVNAPI_CALL KvnGetFaxList(KvnServerHandle server, const char* userId,
                                                int32_t a, uint16_t options, int32_t b,
                                                KvnListHandle* list);

KVNAPI_EXPORT int32_t KVNAPI_CALL KvnListSort(KvnListHandle list, KvnCompareFn compare);

/* Element pointers belong to the list and are valid until the next fetch. */
KVNAPI_EXPORT int32_t KVNAPI_CALL KvnListGetFirstElementPtr(KvnListHandle list, void** element);
KVNAPI_EXPORT int32_t KVNAPI_CALL KvnListGetNextElementPtr(KvnListHandle list, void** element);

KVNAPI_EXPORT void KVNAPI_CALL KvnCloseListHandle(KvnListHandle list);

/* Fills the 1868-byte extended fax record of one fax. */
KVNAPI_EXPORT int32_t KVNAPI_CALL KvnLoadFax3(KvnServerHandle server, KvnFaxHandle fax, int32_t a,
                                              int32_t b, int32_t c, void* record, int32_t level);

#ifdef __cplusplus
}
#endif

#endif /* KVNAPI_KVNAPI_H */
