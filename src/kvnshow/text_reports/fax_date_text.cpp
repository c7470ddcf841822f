#include "kvnshow/text_reports/fax_date_text.h"

#include <algorithm>
#include <iterator>

namespace kvn {

CalendarText faxDateText(std::int64_t utcSeconds, TimeZoneKind zone) {
  CalendarText text{};
  if (formatCalendarTime(utcSeconds, zone, "%Y-%m-%d %H:%M:%S", text) == 0) {
    std::copy(std::begin(kUnknownFaxDate), std::end(kUnknownFaxDate), text.begin());
  }
  return text;
}

}  // namespace kvn
