// The date text of a fax in the listings: "YYYY-MM-DD HH:MM:SS".
#ifndef KVNSHOW_TEXT_REPORTS_FAX_DATE_TEXT_H
#define KVNSHOW_TEXT_REPORTS_FAX_DATE_TEXT_H

#include <cstdint>

#include "kvnprogram/calendar_time.h"

namespace kvn {

// Always 19 characters, terminated, so that the columns stay aligned.
inline constexpr char kUnknownFaxDate[] = R"(????-??-?? ??:??:??)";  // raw: no trigraphs

// The moment utcSeconds (seconds since 1970-01-01 00:00:00 UTC) in UTC or in
// this machine's local time; kUnknownFaxDate when the platform cannot render
// it.
CalendarText faxDateText(std::int64_t utcSeconds, TimeZoneKind zone);

// A fax's time is in the server's reckoning; the server's offset turns it
// into UTC. The sum is taken in 64 bits and cannot overflow.
inline std::int64_t faxUtcSeconds(std::int32_t serverTime, std::int32_t tzOffset) {
  return std::int64_t{serverTime} + tzOffset;
}

}  // namespace kvn

#endif  // KVNSHOW_TEXT_REPORTS_FAX_DATE_TEXT_H
