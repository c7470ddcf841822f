// Calendar conversion and formatting of the library's 32-bit time stamps.
#ifndef KVNPROGRAM_CALENDAR_TIME_H
#define KVNPROGRAM_CALENDAR_TIME_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>

namespace kvn {

enum class TimeZoneKind { Utc, Local };

// Room for a formatted time in this program, terminator included.
inline constexpr std::size_t kCalendarTextRoom = 81;
using CalendarText = std::array<char, kCalendarTextRoom>;

// Formats seconds since 1970-01-01 00:00:00 UTC with strftime, converted to
// UTC or to the local time of this machine, into text (terminated). Returns
// the length, or 0, leaving text untouched, when the platform cannot convert
// the time or the result does not fit.
std::size_t formatCalendarTime(std::int64_t seconds, TimeZoneKind zone, const char* format,
                               CalendarText& text);

// The time in UTC as RFC 3339, "2008-11-03T19:22:05Z", into text
// (terminated), by the calendar's arithmetic alone: the same on every
// platform, and without strftime's cost for a listing of a million faxes.
// Returns the length, or 0, leaving text untouched, for a time outside the
// years 0000 to 9999.
std::size_t formatRfc3339Utc(std::int64_t seconds, CalendarText& text);

// The same into a string; false when the time cannot be converted.
bool formatCalendarTime(std::int64_t seconds, TimeZoneKind zone, const char* format,
                        std::string& text);

}  // namespace kvn

#endif  // KVNPROGRAM_CALENDAR_TIME_H
