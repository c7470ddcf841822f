/* The fixed arguments of the client library's calls: the values a program
 * must pass, named once for the program and the benchmark floor. The stand-in
 * library checks them against values of its own (kvnsim/accepted_arguments.h),
 * so that a value wrong here is refused. The library gives most of them no
 * meaning beyond being expected; they are named after the call and the
 * parameter of kvnapi.h they go to. Valid C and C++. */
#ifndef KVNAPI_KVNCONSTANTS_H
#define KVNAPI_KVNCONSTANTS_H

#include <stdint.h>

/* KvnCreateServerHandle(host, mode, error) */
static const int32_t KvnConnectMode = 4;

/* KvnVersionCheck(server, release, reserved): release 5.20 or later. */
static const int32_t KvnRequiredRelease = 0x520;
static const int32_t KvnVersionCheckReserved = 0;

/* KvnLoadUser3(server, a, b, userId, c, d, e, f, level, user) */
static const int32_t KvnLoadUserA = 1;
static const int32_t KvnLoadUserB = 0;
static const int32_t KvnLoadUserC = 0;
static const int32_t KvnLoadUserD = 0;
static const int32_t KvnLoadUserE = 0;
static const int32_t KvnLoadUserF = 0;
static const int32_t KvnLoadUserLevel = 11;

/* KvnGetFaxList(server, userId, a, options, b, list): the option mask
 * selects the main folder only or every folder. */
static const int32_t KvnFaxListA = 1;
static const uint16_t KvnMainFolderMask = 0xFFFF;
static const uint16_t KvnEveryFolderMask = 0xFFFD;
static const int32_t KvnFaxListB = 0;

/* KvnLoadFax3(server, fax, a, b, c, record, level) */
static const int32_t KvnLoadFaxA = 0;
static const int32_t KvnLoadFaxB = 3;
static const int32_t KvnLoadFaxC = 0;
static const int32_t KvnLoadFaxLevel = 11;

#endif /* KVNAPI_KVNCONSTANTS_H */
