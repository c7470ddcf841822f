/* The floor of the end-to-end benchmark: the least a program can do to write
 * kvnshow's listing. It makes the same client library calls in the same order
 * (connect, release check, server information, user, fax list, sort, walk,
 * one extended record per fax in the styles that show it, close), converts
 * each fax's time with the C library's calendar conversion and strftime, as
 * every implementation must, and writes the same bytes with the same flushes:
 * each report is built in a local buffer and goes out with one fwrite and one
 * fflush. It has no error handling beyond stopping, no retries and no usage
 * text: it serves the benchmark, not operators.
 *
 * Options: -s host -u user [-a] [-e|-v] [-t|-tr] [-z] [-R] [-S] [pattern...]
 */
/* NOLINTNEXTLINE(bugprone-reserved-identifier,cert-dcl37-c,cert-dcl51-cpp) */
#define _POSIX_C_SOURCE 200809L

#include <inttypes.h>
#include <stdint.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>

#include "floor_session.h"

enum { kReportRoom = 8192 };
#include "floor_report.h"

enum { kBrief = 1, kVerbose = 2, kExtended = 3 };

static int fold(int c) {
  return c >= 'A' && c <= 'Z' ? c + 32 : c;
}
static int matches(const char* t, const char* p) {
  const char* star = NULL;
  const char* starText = NULL;
  while (*t != '\0') {
    if (*p == '*') {
      while (*p == '*') {
        ++p;
      }
      if (*p == '\0') {
        return 1;
      }
      star = p;
      starText = t;
    } else if (*p != '\0' && (*p == '?' || fold(*p) == fold(*t))) {
      ++p;
      ++t;
    } else if (star != NULL) {
      p = star;
      t = ++starText;
    } else {
      return 0;
    }
  }
  while (*p == '*') {
    ++p;
  }
  return *p == '\0';
}

struct Flag {
  uint32_t bit;
  char set;
  char clear;
  const char* setWord;
  const char* clearWord;
};
static const struct Flag kFlags[9] = {{0x10, 'R', 'S', " recv", " sent"},
                                      {0x4, 'v', '-', " view", " unview"},
                                      {0x2000, 'p', '-', " print", " unprint"},
                                      {0x200, 'f', '-', " fwd", ""},
                                      {0x1000000, 'a', '-', " approved", " unapproved"},
                                      {0x2, 'h', '-', " held", " rel"},
                                      {0x4000000, '1', '-', " user1", ""},
                                      {0x8000000, '2', '-', " user2", ""},
                                      {0x8, 'd', '-', " del", ""}};

/* The text fields of a verbose block from FromName to GeneralFaxPhone, in
   the block's order: label, offset and room in the extended record. */
static const struct BlockText {
  const char* label;
  size_t at;
  size_t room;
} kBlockTexts[] = {
    {"\n  FromName        ", 368, 60},
    {"\n  FromPhone       ", 428, 32},
    {"\n  Comment         ", 880, kFaxRecordSize - 880},
    {"\n  ToName          ", 188, 60},
    {"\n  ToPhone         ", 124, 32},
    {"\n  ToCompany       ", 248, 60},
    {"\n  ToCityState     ", 308, 60},
    {"\n  ToContact       ", 156, 32},
    {"\n  BillInfo1       ", 460, 16},
    {"\n  BillInfo2       ", 476, 16},
    {"\n  OperatorPhone   ", 524, 32},
    {"\n  GeneralFaxPhone ", 556, 38},
};

static void putVerbose(const unsigned char* e, int64_t ordinal, const char* date,
                       const unsigned char* r) {
  uint32_t flags = u32(e, 4);
  if (ordinal > 1) {
    putLiteral("\n");
  }
  putDecimal(ordinal, 0);
  putLiteral(" ");
  putText(text(e, 172, 16));
  putLiteral("\n  Flags          ");
  for (int i = 0; i < 9; ++i) {
    putLiteral(flags & kFlags[i].bit ? kFlags[i].setWord : kFlags[i].clearWord);
  }
  putLiteral(u16(e, 114) & 1 ? " fine" : " coarse");
  putLiteral(u16(e, 116) & 1 ? " cover" : "");
  putLiteral(u16(e, 108) != 0 ? " err\n" : "\n");
  putLiteral("  FaxFile         ");
  putText(text(r, 36, 28));
  putLiteral("\n  Handle          ");
  putHex8(u32(e, 0));
  putLiteral(flags & 0x10 ? "\n  RecvDate        " : "\n  SendDate        ");
  putLiteral(date);
  putLiteral(" Z\n  DID             ");
  putText(text(r, 492, 32));
  putLiteral("\n  Pages           ");
  putDecimal(u16(r, 64), 0);
  putLiteral("\n  Error           ");
  putDecimal(u16(r, 600), 0);
  putLiteral("\n  Status          ");
  unsigned status = u16(r, 598);
  putDecimal(status, 0);
  putLiteral(", ");
  if (statusName(status) != NULL) {
    putLiteral(statusName(status));
  } else {
    putDecimal(status, 0);
  }
  uint32_t sendTime = u32(r, 594);
  putLiteral("\n  SendTime        ");
  putDecimal(s32(r, 594), 0);
  putLiteral(" sec, ");
  putDecimal(sendTime / 60, 0);
  putLiteral(":");
  report[used++] = (char)('0' + sendTime % 60 / 10);
  report[used++] = (char)('0' + sendTime % 10);
  putLiteral("\n  OwnerID         ");
  putText(text(r, 4, 28));
  struct Text user = text(e, 194, 22);
  if (user.length > 0) {
    putLiteral("\n  UserID          ");
    putText(user);
  }
  putLiteral("\n  Folder          ");
  putDecimal(u16(r, 746), 0);
  putLiteral(u16(r, 746) == 0 ? ", Main\n  RemoteID        " : "\n  RemoteID        ");
  putText(text(r, 606, 30));
  for (size_t i = 0; i < sizeof kBlockTexts / sizeof kBlockTexts[0]; ++i) {
    putLiteral(kBlockTexts[i].label);
    putText(text(r, kBlockTexts[i].at, kBlockTexts[i].room));
  }
  putLiteral("\n  FaxID           ");
  putDecimal(u16(r, 664), 0);
  putLiteral("\n  JobID           ");
  putDecimal(u16(r, 32), 0);
  putLiteral("\n  Coversheet      ");
  putText(text(r, 636, 28));
  putLiteral("\n  PaperType       ");
  putDecimal(s16(r, 66), 0);
  putLiteral("\n  FaxType         ");
  putDecimal(u16(r, 34), 0);
  putLiteral("\n  Disposition     ");
  putDecimal(u16(r, 602), 0);
  putLiteral("\n  Custom1         ");
  putDecimal(u16(r, 734), 0);
  putLiteral("\n  Priority        ");
  putDecimal(r[731], 0);
  putLiteral(", ");
  putLiteral(priorityName(r[731]) != NULL ? priorityName(r[731]) : "Unknown");
  putLiteral("\n  PrintJobType    ");
  int16_t jobType = s16(r, 68);
  putDecimal(jobType, 0);
  putLiteral(", ");
  putLiteral(printJobTypeName(jobType) != NULL ? printJobTypeName(jobType) : "Unknown");
  putLiteral("\n");
}

static void putLine(const unsigned char* e, const char* date, const unsigned char* r) {
  uint32_t flags = u32(e, 4);
  for (int i = 0; i < 9; ++i) {
    char letter = kFlags[i].clear;
    if (flags & kFlags[i].bit) {
      letter = kFlags[i].set;
    }
    report[used++] = letter;
  }
  report[used++] = u16(e, 114) & 1 ? 'f' : '-';
  report[used++] = u16(e, 116) & 1 ? 'c' : '-';
  report[used++] = u16(e, 108) != 0 ? 'E' : '-';
  putLiteral("  ");
  putLiteral(date);
  putLiteral(" ");
  putDecimal(s16(e, 104), 3);
  uint16_t folder = u16(e, 188);
  putLiteral(" ");
  if (folder == 0) {
    putLiteral(" M");
  } else {
    putDecimal(folder, 2);
  }
  putLiteral(" ");
  putLeft(text(e, 172, 16), 15);
  if (r != NULL) {
    putLiteral(" ");
    putText(text(r, 36, 28));
    putLiteral(" ");
    putLeft(text(r, 492, 32), 10);
  }
  putLiteral("\n");
}

/* One report, flushed once; 0 when the fax's details cannot be loaded. */
static int reportFax(KvnServerHandle server, const unsigned char* e, int64_t ordinal, int mode,
                     int32_t tzOffset, int utc) {
  char date[81] =
      "????"
      "-??"
      "-?? ??:??:??"; /* split: no trigraphs */
  time_t seconds = (time_t)((int64_t)s32(e, 8) + tzOffset);
  struct tm calendar;
  if ((utc ? gmtime_r(&seconds, &calendar) : localtime_r(&seconds, &calendar)) != NULL) {
    strftime(date, sizeof date, "%Y-%m-%d %H:%M:%S", &calendar);
  }
  static unsigned char record[kFaxRecordSize];
  if (mode != kBrief) {
    memset(record, 0, sizeof record);
    if (KvnLoadFax3(server, u32(e, 0), KvnLoadFaxA, KvnLoadFaxB, KvnLoadFaxC, record,
                    KvnLoadFaxLevel) != 0) {
      putLiteral("Can't retrieve extended fax info: ");
      putText(text(e, 172, 16));
      putLiteral(" (");
      putHex8(u32(e, 0));
      putLiteral(")\n");
      sendReport();
      return 0;
    }
  }
  if (mode == kVerbose) {
    putVerbose(e, ordinal, date, record);
  } else {
    if (ordinal == 1) {
      putLiteral("Flags         Date       Time      Pg Fol UniqueID\n");
    }
    putLine(e, date, mode == kExtended ? record : NULL);
  }
  sendReport();
  return 1;
}

int main(int argc, char** argv) {
  const char* host = NULL;
  const char* userArgument = NULL;
  int mode = kBrief;
  int folders = KvnMainFolderMask;
  int utc = 0;
  int direction = 0;
  int index = 1;
  for (; index < argc && argv[index][0] == '-'; ++index) {
    const char* o = argv[index];
    if (strcmp(o, "-s") == 0 && index + 1 < argc) {
      host = argv[++index];
    } else if (strcmp(o, "-u") == 0 && index + 1 < argc) {
      userArgument = argv[++index];
    } else if (strcmp(o, "-a") == 0) {
      folders = KvnEveryFolderMask;
    } else if (strcmp(o, "-e") == 0) {
      mode = kExtended;
    } else if (strcmp(o, "-v") == 0) {
      mode = kVerbose;
    } else if (strcmp(o, "-t") == 0) {
      sortMode = 1;
    } else if (strcmp(o, "-tr") == 0) {
      sortMode = 2;
    } else if (strcmp(o, "-z") == 0) {
      utc = 1;
    } else if (strcmp(o, "-R") == 0) {
      direction |= 1;
    } else if (strcmp(o, "-S") == 0) {
      direction |= 2;
    } else {
      stop(stdout, "unknown option");
    }
  }
  if (host == NULL || userArgument == NULL) {
    stop(stdout, "-s and -u are required");
  }
  if (direction == 0) {
    direction = 3;
  }
  static const char* const everything[] = {"*", NULL};
  const char* const* patterns = index < argc ? (const char* const*)argv + index : everything;

  struct Session session = openSession(stdout, host, userArgument, folders);
  struct Totals totals = {0};
  void* element = NULL;
  for (int32_t status = KvnListGetFirstElementPtr(session.list, &element); status == 0;
       status = KvnListGetNextElementPtr(session.list, &element)) {
    const unsigned char* e = element;
    char uniqueId[17] = {0};
    memcpy(uniqueId, e + 172, strnlen((const char*)e + 172, 16));
    int wanted = 0;
    for (const char* const* p = patterns; *p != NULL && !wanted; ++p) {
      wanted = matches(uniqueId, *p);
    }
    int isReceived = (u32(e, 4) & 0x10) != 0;
    if (!wanted || (direction & (isReceived ? 1 : 2)) == 0) {
      ++totals.skipped;
      continue;
    }
    countSelected(&totals, e);
    if (totals.selected == 1) {
      putLiteral("\n");
    }
    totals.listed += reportFax(session.server, e, totals.selected, mode, session.tzOffset, utc);
  }
  writeTotals(stdout, &totals, direction);
  closeSession(stdout, &session);
  return 0;
}
