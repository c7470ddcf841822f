#include "kvnprogram/calendar_time.h"

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

}  // namespace

std::size_t formatCalendarTime(std::int64_t seconds, TimeZoneKind zone, const char* format,
                               CalendarText& text) {
  if (seconds < std::numeric_limits<std::time_t>::min() ||
      seconds > std::numeric_limits<std::time_t>::max()) {
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
