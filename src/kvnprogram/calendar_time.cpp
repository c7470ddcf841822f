#include "kvnprogram/calendar_time.h"

#include <chrono>
#include <limits>

// A fax's time plus the server's offset may pass 2038; a 32-bit time_t (as
// _USE_32BIT_TIME_T gives on 32-bit Windows) would refuse those dates.
static_assert(sizeof(std::time_t) == 8, "calendar times need a 64-bit time_t");

namespace kvn {

namespace {

// The conversions hand back their result in a buffer of their own on some
// platforms; these take a copy at once.
bool toCalendar(std::time_t seconds, TimeZoneKind zone, std::tm& calendar) {
#if defined(_WIN32)
  return (zone == TimeZoneKind::Utc ? gmtime_s(&calendar, &seconds)
                                    : localtime_s(&calendar, &seconds)) == 0;
#else
  return (zone == TimeZoneKind::Utc ? gmtime_r(&seconds, &calendar)
                                    : localtime_r(&seconds, &calendar)) != nullptr;
#endif
}

bool inTimeRange(std::int64_t seconds) {
  return seconds >= std::numeric_limits<std::time_t>::min() &&
         seconds <= std::numeric_limits<std::time_t>::max();
}

// Writes value as exactly two decimal digits.
char* twoDigits(char* out, int value) {
  out[0] = static_cast<char>('0' + value / 10);
  out[1] = static_cast<char>('0' + value % 10);
  return out + 2;
}

// From 1970 to the end of 2999 every platform's conversion to UTC succeeds,
// and the calendar's own arithmetic gives the same without its locks.
constexpr std::int64_t kYear3000 = 32503680000;

void toUtcCalendar(std::int64_t seconds, std::tm& calendar) {
  constexpr std::int64_t kDay = 86400;
  const std::chrono::year_month_day date{std::chrono::sys_days{std::chrono::days{seconds / kDay}}};
  const auto second = static_cast<int>(seconds % kDay);
  calendar.tm_year = static_cast<int>(date.year()) - 1900;
  calendar.tm_mon = static_cast<int>(static_cast<unsigned>(date.month())) - 1;
  calendar.tm_mday = static_cast<int>(static_cast<unsigned>(date.day()));
  calendar.tm_hour = second / 3600;
  calendar.tm_min = second / 60 % 60;
  calendar.tm_sec = second % 60;
}

}  // namespace

std::size_t formatRfc3339Utc(std::int64_t seconds, CalendarText& text) {
  std::tm calendar{};
  if (seconds >= 0 && seconds < kYear3000) {
    toUtcCalendar(seconds, calendar);
  } else if (!inTimeRange(seconds) ||
             !toCalendar(static_cast<std::time_t>(seconds), TimeZoneKind::Utc, calendar)) {
    return 0;
  }
  const int year = calendar.tm_year + 1900;
  if (year < 1000 || year > 9999) {
    // Years of other widths: as strftime writes them.
    return formatCalendarTime(seconds, TimeZoneKind::Utc, "%Y-%m-%dT%H:%M:%SZ", text);
  }
  char* out = text.data();
  out = twoDigits(out, year / 100);
  out = twoDigits(out, year % 100);
  *out++ = '-';
  out = twoDigits(out, calendar.tm_mon + 1);
  *out++ = '-';
  out = twoDigits(out, calendar.tm_mday);
  *out++ = 'T';
  out = twoDigits(out, calendar.tm_hour);
  *out++ = ':';
  out = twoDigits(out, calendar.tm_min);
  *out++ = ':';
  out = twoDigits(out, calendar.tm_sec);
  *out++ = 'Z';
  *out = '\0';
  return static_cast<std::size_t>(out - text.data());
}

std::size_t formatCalendarTime(std::int64_t seconds, TimeZoneKind zone, const char* format,
                               CalendarText& text) {
  if (!inTimeRange(seconds)) {
    return 0;
  }
  std::tm calendar{};
  if (!toCalendar(static_cast<std::time_t>(seconds), zone, calendar)) {
    return 0;
  }
  CalendarText buffer{};
  const std::size_t length = std::strftime(buffer.data(), buffer.size(), format, &calendar);
  if (length != 0) {
    text = buffer;
  }
  return length;
}

bool formatCalendarTime(std::int64_t seconds, TimeZoneKind zone, const char* format,
                        std::string& text) {
  CalendarText buffer{};
  const std::size_t length = formatCalendarTime(seconds, zone, format, buffer);
  if (length == 0) {
    return false;
  }
  text.assign(buffer.data(), length);
  return true;
}

}  // namespace kvn
