/* The floor of the data formats' benchmark (bench/run-data-e2e): the least a
 * program can do to write kvnshow's -json or -csv document. It makes the same
 * client library calls in the same order (connect, release check, server
 * information, user, fax list, sort, walk, one extended record per fax with
 * -e or -v, close), writes the same lines to standard error with the same
 * flushes, and the same bytes to standard output with the same writes: each
 * fax is built in a local buffer and goes out with one fwrite and one fflush,
 * through a stream buffer that holds the longest fax. It has no patterns, no
 * direction filter, no error handling beyond stopping, no retries and no
 * usage text: it serves the benchmark, not operators.
 *
 * Options: -s host -u user -json|-csv [-a] [-e|-v] [-t|-tr]
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

enum {
  /* Every byte of both records escaped six bytes long, and the keys. */
  kReportRoom = 6 * (kEntrySize + kFaxRecordSize) + 2048
};
#include "floor_report.h"

static int json;

/* Fields of the fax being built so far. */
static int fields;

static void putTwoDigits(int value) {
  report[used++] = (char)('0' + value / 10);
  report[used++] = (char)('0' + value % 10);
}

/* Windows-1252 from 0x80 to 0x9F; its undefined bytes become U+FFFD. */
static const uint16_t kCp1252[32] = {
    0x20AC, 0xFFFD, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0xFFFD, 0x017D, 0xFFFD, 0xFFFD, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0xFFFD, 0x017E, 0x0178};

static void putHexEscape(unsigned code) {
  putLiteral("\\u00");
  report[used++] = "0123456789abcdef"[code >> 4];
  report[used++] = "0123456789abcdef"[code & 0xFU];
}

static void putUtf8(unsigned code) {
  if (code < 0x800) {
    report[used++] = (char)(0xC0 | (code >> 6));
  } else {
    report[used++] = (char)(0xE0 | (code >> 12));
    report[used++] = (char)(0x80 | ((code >> 6) & 0x3F));
  }
  report[used++] = (char)(0x80 | (code & 0x3F));
}

/* The key, or the comma, before a field. */
static void field(const char* name) {
  if (json) {
    put(fields == 0 ? "{\"" : ",\"", 2);
    putLiteral(name);
    put("\":", 2);
  } else if (fields > 0) {
    report[used++] = ',';
  }
  ++fields;
}

static void putJsonText(struct Text t) {
  report[used++] = '"';
  for (size_t i = 0; i < t.length; ++i) {
    unsigned byte = (unsigned char)t.bytes[i];
    unsigned code = byte >= 0x80 && byte < 0xA0 ? kCp1252[byte - 0x80] : byte;
    if (code >= 0x20 && code < 0x7F && code != '"' && code != '\\') {
      report[used++] = (char)code;
    } else if (code == '"' || code == '\\') {
      report[used++] = '\\';
      report[used++] = (char)code;
    } else if (code == '\b' || code == '\f' || code == '\n' || code == '\r' || code == '\t') {
      report[used++] = '\\';
      report[used++] = "btnvfr"[code - '\b'];
    } else if (code < 0xA0) {
      putHexEscape(code);
    } else {
      putUtf8(code);
    }
  }
  report[used++] = '"';
}

static void putCsvText(struct Text t) {
  int quoted = 0;
  for (size_t i = 0; i < t.length && !quoted; ++i) {
    char c = t.bytes[i];
    quoted = c == ',' || c == '"' || c == '\r' || c == '\n';
  }
  if (quoted) {
    report[used++] = '"';
  }
  for (size_t i = 0; i < t.length; ++i) {
    unsigned byte = (unsigned char)t.bytes[i];
    if (byte < 0x80) {
      if (byte == '"') {
        report[used++] = '"';
      }
      report[used++] = (char)byte;
    } else {
      putUtf8(byte < 0xA0 ? kCp1252[byte - 0x80] : byte);
    }
  }
  if (quoted) {
    report[used++] = '"';
  }
}

static void textField(const char* name, struct Text t) {
  field(name);
  if (json) {
    putJsonText(t);
  } else {
    putCsvText(t);
  }
}
static void numberField(const char* name, int64_t value) {
  field(name);
  putDecimal(value, 0);
}
static void booleanField(const char* name, int value) {
  field(name);
  putLiteral(value ? "true" : "false");
}
/* A text of this program's own; null for none. */
static void wordField(const char* name, const char* word, size_t length) {
  field(name);
  if (word == NULL) {
    if (json) {
      putLiteral("null");
    }
    return;
  }
  if (json) {
    report[used++] = '"';
  }
  put(word, length);
  if (json) {
    report[used++] = '"';
  }
}
static void nameField(const char* name, const char* word) {
  wordField(name, word, word == NULL ? 0 : strlen(word));
}

/* The time in UTC as RFC 3339, by the calendar's arithmetic (days to a
   civil date, with March as the first month of the year). */
static void timeField(int64_t seconds) {
  int64_t days = seconds / 86400 - (seconds % 86400 < 0);
  int64_t second = seconds - days * 86400;
  int64_t z = days + 719468;
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  int64_t dayOfEra = z - era * 146097;
  int64_t yearOfEra = (dayOfEra - dayOfEra / 1460 + dayOfEra / 36524 - dayOfEra / 146096) / 365;
  int64_t dayOfYear = dayOfEra - (365 * yearOfEra + yearOfEra / 4 - yearOfEra / 100);
  int64_t monthIndex = (5 * dayOfYear + 2) / 153;
  int day = (int)(dayOfYear - (153 * monthIndex + 2) / 5 + 1);
  int month = (int)(monthIndex < 10 ? monthIndex + 3 : monthIndex - 9);
  int year = (int)(yearOfEra + era * 400 + (month <= 2));
  field("time");
  if (json) {
    report[used++] = '"';
  }
  putTwoDigits(year / 100);
  putTwoDigits(year % 100);
  report[used++] = '-';
  putTwoDigits(month);
  report[used++] = '-';
  putTwoDigits(day);
  report[used++] = 'T';
  putTwoDigits((int)(second / 3600));
  report[used++] = ':';
  putTwoDigits((int)(second / 60 % 60));
  report[used++] = ':';
  putTwoDigits((int)(second % 60));
  report[used++] = 'Z';
  if (json) {
    report[used++] = '"';
  }
}

/* The extended record's fields, in order; null (empty) for a record not
   there. */
static const struct DetailField {
  const char* name;
  char kind; /* t text, u unsigned 16, s signed 16, U unsigned 32, b byte, n name */
  size_t at;
  size_t room;
} kDetails[] = {
    {"ownerId", 't', 4, 28},
    {"jobId", 'u', 32, 0},
    {"faxType", 'u', 34, 0},
    {"faxFile", 't', 36, 28},
    {"detailsPages", 'u', 64, 0},
    {"paperType", 's', 66, 0},
    {"printJobType", 's', 68, 0},
    {"printJobTypeName", 'j', 68, 0},
    {"toPhone", 't', 124, 32},
    {"toContact", 't', 156, 32},
    {"toName", 't', 188, 60},
    {"toCompany", 't', 248, 60},
    {"toCityState", 't', 308, 60},
    {"fromName", 't', 368, 60},
    {"fromPhone", 't', 428, 32},
    {"billInfo1", 't', 460, 16},
    {"billInfo2", 't', 476, 16},
    {"did", 't', 492, 32},
    {"operatorPhone", 't', 524, 32},
    {"generalFaxPhone", 't', 556, 38},
    {"sendTime", 'U', 594, 0},
    {"status", 'u', 598, 0},
    {"statusName", 'S', 598, 0},
    {"detailsErrorCode", 'u', 600, 0},
    {"disposition", 'u', 602, 0},
    {"remoteId", 't', 606, 30},
    {"coversheet", 't', 636, 28},
    {"faxId", 'u', 664, 0},
    {"priority", 'b', 731, 0},
    {"priorityName", 'p', 731, 0},
    {"custom1", 'u', 734, 0},
    {"detailsFolder", 'u', 746, 0},
    {"comment", 't', 880, kFaxRecordSize - 880},
};
enum { kDetailCount = sizeof kDetails / sizeof kDetails[0] };

static void putDetails(const unsigned char* r) {
  for (int i = 0; i < kDetailCount; ++i) {
    const struct DetailField* d = &kDetails[i];
    if (r == NULL) {
      wordField(d->name, NULL, 0);
      continue;
    }
    switch (d->kind) {
      case 't':
        textField(d->name, text(r, d->at, d->room));
        break;
      case 'u':
        numberField(d->name, u16(r, d->at));
        break;
      case 's':
        numberField(d->name, s16(r, d->at));
        break;
      case 'U':
        numberField(d->name, u32(r, d->at));
        break;
      case 'b':
        numberField(d->name, r[d->at]);
        break;
      case 'j':
        nameField(d->name, printJobTypeName(s16(r, d->at)));
        break;
      case 'S':
        nameField(d->name, statusName(u16(r, d->at)));
        break;
      default:
        nameField(d->name, priorityName(r[d->at]));
        break;
    }
  }
}

static const char* const kEntryNames[] = {
    "uniqueId",  "faxHandle", "flags", "received", "viewed",   "printed", "forwarded",
    "approved",  "held",      "user1", "user2",    "deleted",  "time",    "pages",
    "errorCode", "fine",      "cover", "folder",   "faxUserId"};

static void putHeader(int withDetails) {
  for (size_t i = 0; i < sizeof kEntryNames / sizeof kEntryNames[0]; ++i) {
    putLiteral(i == 0 ? "" : ",");
    putLiteral(kEntryNames[i]);
  }
  if (withDetails) {
    putLiteral(",detailsLoaded");
    for (int i = 0; i < kDetailCount; ++i) {
      report[used++] = ',';
      putLiteral(kDetails[i].name);
    }
  }
  putLiteral("\r\n");
}

/* One fax, written and flushed once; 0 when its details cannot be loaded. */
static int addFax(KvnServerHandle server, const unsigned char* e, int64_t ordinal, int withDetails,
                  int32_t tzOffset) {
  static unsigned char record[kFaxRecordSize];
  int loaded = 1;
  if (withDetails) {
    memset(record, 0, sizeof record);
    if (KvnLoadFax3(server, u32(e, 0), KvnLoadFaxA, KvnLoadFaxB, KvnLoadFaxC, record,
                    KvnLoadFaxLevel) != 0) {
      struct Text id = text(e, 172, 16);
      fprintf(stderr, "Can't retrieve extended fax info: %.*s (%08" PRIX32 ")\n", (int)id.length,
              id.bytes, u32(e, 0));
      fflush(stderr);
      loaded = 0;
    }
  }
  if (json) {
    putLiteral(ordinal == 1 ? "[\n" : ",\n");
  } else if (ordinal == 1) {
    putHeader(withDetails);
  }
  fields = 0;
  uint32_t flags = u32(e, 4);
  textField("uniqueId", text(e, 172, 16));
  field("faxHandle");
  putLiteral(json ? "\"" : "");
  putHex8(u32(e, 0));
  putLiteral(json ? "\"" : "");
  numberField("flags", flags);
  booleanField("received", (flags & 0x10) != 0);
  booleanField("viewed", (flags & 0x4) != 0);
  booleanField("printed", (flags & 0x2000) != 0);
  booleanField("forwarded", (flags & 0x200) != 0);
  booleanField("approved", (flags & 0x1000000) != 0);
  booleanField("held", (flags & 0x2) != 0);
  booleanField("user1", (flags & 0x4000000) != 0);
  booleanField("user2", (flags & 0x8000000) != 0);
  booleanField("deleted", (flags & 0x8) != 0);
  timeField((int64_t)s32(e, 8) + tzOffset);
  numberField("pages", s16(e, 104));
  numberField("errorCode", u16(e, 108));
  booleanField("fine", (u16(e, 114) & 1) != 0);
  booleanField("cover", (u16(e, 116) & 1) != 0);
  numberField("folder", u16(e, 188));
  textField("faxUserId", text(e, 194, 22));
  if (withDetails) {
    booleanField("detailsLoaded", loaded);
    putDetails(loaded ? record : NULL);
  }
  putLiteral(json ? "}" : "\r\n");
  sendReport();
  return loaded;
}

int main(int argc, char** argv) {
  const char* host = NULL;
  const char* userArgument = NULL;
  int withDetails = 0;
  int folders = KvnMainFolderMask;
  int formatGiven = 0;
  for (int index = 1; index < argc; ++index) {
    const char* o = argv[index];
    if (strcmp(o, "-s") == 0 && index + 1 < argc) {
      host = argv[++index];
    } else if (strcmp(o, "-u") == 0 && index + 1 < argc) {
      userArgument = argv[++index];
    } else if (strcmp(o, "-a") == 0) {
      folders = KvnEveryFolderMask;
    } else if (strcmp(o, "-e") == 0 || strcmp(o, "-v") == 0) {
      withDetails = 1;
    } else if (strcmp(o, "-t") == 0) {
      sortMode = 1;
    } else if (strcmp(o, "-tr") == 0) {
      sortMode = 2;
    } else if (strcmp(o, "-json") == 0 || strcmp(o, "-csv") == 0) {
      json = strcmp(o, "-json") == 0;
      formatGiven = 1;
    } else {
      stop(stderr, "unknown option");
    }
  }
  if (host == NULL || userArgument == NULL || !formatGiven) {
    stop(stderr, "-s, -u and -json or -csv are required");
  }
  /* As kvnshow: a stream buffer that holds the longest fax, the lines on
     standard error buffered. */
  static char dataBuffer[64 * 1024];
  setvbuf(stdout, dataBuffer, _IOFBF, sizeof dataBuffer);
  setvbuf(stderr, NULL, _IOFBF, BUFSIZ);

  FILE* console = stderr;
  struct Session session = openSession(console, host, userArgument, folders);
  struct Totals totals = {0};
  void* element = NULL;
  for (int32_t status = KvnListGetFirstElementPtr(session.list, &element); status == 0;
       status = KvnListGetNextElementPtr(session.list, &element)) {
    const unsigned char* e = element;
    countSelected(&totals, e);
    if (totals.selected == 1) {
      fputs("\n", console);
      fflush(console);
    }
    totals.listed += addFax(session.server, e, totals.selected, withDetails, session.tzOffset);
  }
  if (totals.selected == 0) {
    if (json) {
      putLiteral("[");
    } else {
      putHeader(withDetails);
    }
  }
  if (json) {
    putLiteral(totals.selected == 0 ? "]\n" : "\n]\n");
  }
  sendReport();
  writeTotals(console, &totals, 3);
  closeSession(console, &session);
  return 0;
}
