/* The report of one fax in both floors: built in a buffer of the floor's own
 * size (kReportRoom, declared before this header) and handed to standard
 * output with one fwrite and one fflush; and the names of the codes of an
 * extended record, null for a code without one.
 */
#ifndef KVN_BENCH_FLOOR_REPORT_H
#define KVN_BENCH_FLOOR_REPORT_H

#include <stdint.h>
#include <stdio.h>
#include <string.h>

#include "floor_session.h"

/* The report being built. */
static char report[kReportRoom];
static size_t used;

static inline void put(const char* bytes, size_t length) {
  memcpy(report + used, bytes, length);
  used += length;
}
static inline void putText(struct Text t) {
  put(t.bytes, t.length);
}
static inline void putLiteral(const char* s) {
  put(s, strlen(s));
}
static inline void putLeft(struct Text t, size_t width) {
  put(t.bytes, t.length);
  for (size_t i = t.length; i < width; ++i) {
    report[used++] = ' ';
  }
}
/* value in decimal, right-aligned in width columns (at least). */
static inline void putDecimal(int64_t value, int width) {
  char digits[24];
  int count = 0;
  uint64_t magnitude = value < 0 ? 0 - (uint64_t)value : (uint64_t)value;
  do {
    digits[count++] = (char)('0' + magnitude % 10);
    magnitude /= 10;
  } while (magnitude > 0);
  if (value < 0) {
    digits[count++] = '-';
  }
  for (int i = count; i < width; ++i) {
    report[used++] = ' ';
  }
  while (count > 0) {
    report[used++] = digits[--count];
  }
}
static inline void putHex8(uint32_t value) {
  for (int shift = 28; shift >= 0; shift -= 4) {
    report[used++] = "0123456789ABCDEF"[(value >> shift) & 0xFU];
  }
}
static inline void sendReport(void) {
  fwrite(report, 1, used, stdout);
  fflush(stdout);
  used = 0;
}

static inline const char* statusName(unsigned status) {
  static const char* const names[] = {
      "Unborn",     "Needs FCS", "Needs conversion", "Needs to be sent", "In conversion",
      "In send",    "Okay",      "Manual FCS",       "In schedule",      "Done error",
      "Duplicate",  "Error",     "Attention",        "Needs attachment", "Held",
      "In OCR",     "In print",  "Queued for print", "Queued for OCR",   "In validate",
      "In approval"};
  return status < 21 ? names[status] : NULL;
}
static inline const char* priorityName(unsigned priority) {
  static const char* const names[] = {"Normal", "Low", "High"};
  return priority < 3 ? names[priority] : NULL;
}
static inline const char* printJobTypeName(int type) {
  static const char* const names[] = {"PCL-5", "PostScript", "PCL-5/alt", "PostScript/alt",
                                      "ConversionList"};
  return type >= 1 && type <= 5 ? names[type - 1] : NULL;
}

#endif /* KVN_BENCH_FLOOR_REPORT_H */
