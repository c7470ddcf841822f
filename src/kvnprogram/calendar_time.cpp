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

// The span of four-digit years, 0000-01-01 to 9999-12-31, in seconds from
// 1970: every time a fax's fields can hold lies well inside it.
constexpr std::int64_t kYear0 = -62167219200;
constexpr std::int64_t kYear10000 = 253402300800;

}  // namespace

std::size_t formatRfc3339Utc(std::int64_t seconds, CalendarText& text) {
  if (seconds < kYear0 || seconds >= kYear10000) {
    return 0;
  }
  // The calendar's own arithmetic, the same on every platform, before 1970
  // too, where some C runtimes convert nothing; and without their locks.
  constexpr std::int64_t kDay = 86400;
  const std::int64_t days = seconds / kDay - (seconds % kDay < 0 ? 1 : 0);  // rounded down
  const auto second = static_cast<int>(seconds - days * kDay);
  const std::chrono::year_month_day date{
      std::chrono::sys_days{std::chrono::days{static_cast<int>(days)}}};
  const int year = static_cast<int>(date.year());
  char* out = text.data();
  out = twoDigits(out, year / 100);
  out = twoDigits(out, year % 100);
  *out++ = '-';
  out = twoDigits(out, static_cast<int>(static_cast<unsigned>(date.month())));
  *out++ = '-';
  out = twoDigits(out, static_cast<int>(static_cast<unsigned>(date.day())));
  *out++ = 'T';
  out = twoDigits(out, second / 3600);
  *out++ = ':';
  out = twoDigits(out, second / 60 % 60);
  *out++ = ':';
  out = twoDigits(out, second % 60);
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
