// Calendar conversion and formatting of the library's 32-bit time stamps.
#ifndef KVNPROGRAM_CALENDAR_TIME_H
#define KVNPROGRAM_CALENDAR_TIME_H

#include <cstdint>
#include <ctime>
#include <string>

namespace kvn {

enum class TimeZoneKind { Utc, Local };

// Formats seconds since 1970-01-01 00:00:00 UTC with strftime, converted to
// UTC or to the local time of this machine. Returns false, leaving text
// untouched, when the platform cannot convert the time.
bool formatCalendarTime(std::int64_t seconds, TimeZoneKind zone, const char* format,
                        std::string& text);

}  // namespace kvn

#endif  // KVNPROGRAM_CALENDAR_TIME_H
