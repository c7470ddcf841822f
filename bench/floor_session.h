/* What both floors (listing_floor.c, data_floor.c) do around their listing,
 * as kvnshow does it: the record readers, the banner and the connection with
 * its progress lines, the server's offset, the user, the fax list and its
 * sort; after the listing, the release of the list and the disconnection.
 * Lines go to the console given, flushed where kvnshow flushes them. There is
 * no error handling beyond stopping.
 */
#ifndef KVN_BENCH_FLOOR_SESSION_H
#define KVN_BENCH_FLOOR_SESSION_H

#include <inttypes.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "kvnapi/kvnapi.h"
#include "kvnapi/kvnconstants.h"

/* Record layouts, as in src/kvnapi/kvnrecords.h. */
enum {
  kServerInfoSize = 904,
  kServerTextOffset = 12,
  kServerTextRoom = 384,
  kTimeZoneState = 396,
  kBias = 398,
  kStandardBias = 482,
  kDaylightBias = 566,
  kUserSize = 1902,
  kQualifierOffset = 6,
  kQualifierRoom = 26,
  kUserIdOffset = 32,
  kUserIdRoom = 22,
  kUserNameOffset = 54,
  kEntrySize = 216,
  kFaxRecordSize = 1868
};

static inline uint32_t u32(const unsigned char* p, size_t at) {
  return (uint32_t)p[at] | ((uint32_t)p[at + 1] << 8) | ((uint32_t)p[at + 2] << 16) |
         ((uint32_t)p[at + 3] << 24);
}
static inline int32_t s32(const unsigned char* p, size_t at) {
  uint32_t value = u32(p, at);
  return value <= INT32_MAX ? (int32_t)value : (int32_t)(value - 0x80000000U) - INT32_MAX - 1;
}
static inline uint16_t u16(const unsigned char* p, size_t at) {
  return (uint16_t)(p[at] | (p[at + 1] << 8));
}
static inline int16_t s16(const unsigned char* p, size_t at) {
  int32_t value = u16(p, at);
  return (int16_t)(value <= INT16_MAX ? value : value - 0x10000);
}

/* A text field: its bytes up to the terminator, never past its room. */
struct Text {
  const char* bytes;
  size_t length;
};
static inline struct Text text(const unsigned char* p, size_t at, size_t room) {
  struct Text t = {(const char*)p + at, strnlen((const char*)p + at, room)};
  return t;
}

/* 0: the list's order; 1: by date; 2: by reverse date. */
static int sortMode;

static inline int32_t compareTimes(const void* a, const void* b) {
  int32_t ta = s32(a, 8);
  int32_t tb = s32(b, 8);
  int32_t order = ta < tb ? -1 : ta > tb;
  return sortMode == 2 ? -order : order;
}

static inline int32_t timeZoneOffset(const unsigned char* info) {
  int64_t minutes = s32(info, kBias);
  switch (s16(info, kTimeZoneState)) {
    case 2:
      minutes += s32(info, kStandardBias);
      break;
    case 3:
      minutes += s32(info, kDaylightBias);
      break;
    default:
      return 0;
  }
  uint32_t wrapped = (uint32_t)(minutes * 60);
  return wrapped <= INT32_MAX ? (int32_t)wrapped : (int32_t)(wrapped - 0x80000000U) - INT32_MAX - 1;
}

static inline void stop(FILE* console, const char* why) {
  fprintf(console, "floor: %s\n", why);
  exit(1);
}

struct Session {
  const char* host;
  KvnServerHandle server;
  struct Text serverText;
  int32_t tzOffset;
  KvnListHandle list;
};

/* From the banner to the fax list, sorted when sortMode asks. */
static inline struct Session openSession(FILE* console, const char* host, const char* userArgument,
                                         int folders) {
  struct Session session = {host, 0, {NULL, 0}, 0, 0};
  fputs(
      "KvnShow - List faxes on a Kavrin server\nVersion 1.0 [Built: Dec  6 2008]\n\n"
      "List a Kavrin user's faxes.\n\n",
      console);
  fflush(console);
  char stamp[81];
  time_t version = KvnGetAPIVersion();
  struct tm versionTime;
  strftime(stamp, sizeof stamp, "%m/%d/%Y %H:%M:%SZ", gmtime_r(&version, &versionTime));
  fprintf(console, "Kavrin API version: %s\nServer: %s\n", stamp, host);
  fflush(console);
  fprintf(console, "Connecting to Kavrin server: %s\n", host);
  fflush(console);
  fprintf(console, "Connect(1) to Kavrin server: %s\n", host);
  fflush(console);
  int32_t error = 0;
  session.server = KvnCreateServerHandle(host, KvnConnectMode, &error);
  if (session.server == 0) {
    stop(console, "no connection");
  }
  fprintf(console, "Connected to Kavrin server:  %s\n", host);
  fflush(console);
  static unsigned char info[kServerInfoSize];
  if (KvnVersionCheck(session.server, KvnRequiredRelease, KvnVersionCheckReserved) != 0 ||
      KvnGetServerInfo2(session.server, info) != 0) {
    stop(console, "release refused");
  }
  fputs("\n", console);
  fflush(console);
  if (KvnGetServerInfo2(session.server, info) != 0) {
    stop(console, "no server information");
  }
  session.serverText = text(info, kServerTextOffset, kServerTextRoom);
  session.tzOffset = timeZoneOffset(info);
  fprintf(console, "Kavrin server: %s, %.*s\n\nRetrieving user info...\n", host,
          (int)session.serverText.length, session.serverText.bytes);
  fflush(console);
  static unsigned char user[kUserSize];
  if (KvnLoadUser3(session.server, KvnLoadUserA, KvnLoadUserB, userArgument, KvnLoadUserC,
                   KvnLoadUserD, KvnLoadUserE, KvnLoadUserF, KvnLoadUserLevel, user) != 0) {
    stop(console, "no such user");
  }
  struct Text qualifier = text(user, kQualifierOffset, kQualifierRoom);
  struct Text id = text(user, kUserIdOffset, kUserIdRoom);
  struct Text name = text(user, kUserNameOffset, kUserSize - kUserNameOffset);
  char userId[kUserIdRoom + 1] = {0};
  memcpy(userId, id.bytes, id.length);
  fprintf(console, "User: %.*s\\%s \"%.*s\"\n\n", (int)qualifier.length, qualifier.bytes, userId,
          (int)name.length, name.bytes);

  fputs("Retrieving fax list...\n", console);
  fflush(console);
  if (KvnGetFaxList(session.server, userId, KvnFaxListA, (uint16_t)folders, KvnFaxListB,
                    &session.list) != 0) {
    stop(console, "no fax list");
  }
  if (sortMode != 0) {
    fputs("Sorting fax list by date...\n", console);
    fflush(console);
    if (KvnListSort(session.list, compareTimes) != 0) {
      stop(console, "no sort");
    }
  }
  return session;
}

/* The counts of the listing, as kvnshow keeps them. */
struct Totals {
  int64_t selected;
  int64_t listed;
  int64_t skipped;
  int64_t received;
  int64_t sent;
  int64_t viewed;
  int64_t pages;
  int64_t errs;
};

/* A selected entry, before its report. */
static inline void countSelected(struct Totals* totals, const unsigned char* e) {
  int isReceived = (u32(e, 4) & 0x10) != 0;
  ++totals->selected;
  totals->received += isReceived;
  totals->sent += !isReceived;
  totals->viewed += (u32(e, 4) & 0x4) != 0;
  totals->pages += s16(e, 104);
  totals->errs += u16(e, 108) != 0;
}

/* The two totals lines, after a blank line, flushed; direction 1 received,
   2 sent, 3 both. */
static inline void writeTotals(FILE* console, const struct Totals* t, int direction) {
  fprintf(console,
          "\nfaxes:%" PRId64 " listed:%" PRId64 " failed:%" PRId64 " skipped:%" PRId64
          " total:%" PRId64 "\n",
          t->selected, t->listed, t->selected - t->listed, t->skipped, t->selected + t->skipped);
  if (direction & 1) {
    fprintf(console, "recv:%" PRId64, t->received);
  } else {
    fputs("recv:-", console);
  }
  if (direction & 2) {
    fprintf(console, " sent:%" PRId64, t->sent);
  } else {
    fputs(" sent:-", console);
  }
  fprintf(console, " viewed:%" PRId64 " pages:%" PRId64 " errs:%" PRId64 "\n", t->viewed, t->pages,
          t->errs);
  fflush(console);
}

/* After the totals: the list released, then the disconnection. */
static inline void closeSession(FILE* console, const struct Session* session) {
  KvnCloseListHandle(session->list);
  fputs("\n", console);
  fflush(console);
  fprintf(console, "Disconnect from Kavrin server: %s, %.*s\n", session->host,
          (int)session->serverText.length, session->serverText.bytes);
  fflush(console);
  KvnCloseServerHandle(session->server);
  fputs("Disconnected\n", console);
  fflush(console);
}

#endif /* KVN_BENCH_FLOOR_SESSION_H */
