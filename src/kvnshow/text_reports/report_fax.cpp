// The report of one selected fax: its date text, its extended record when the
// style needs it, then its piece of the listing's frame and the one-line or the
// verbose rendering. Each report is built whole, handed to the stream at once
// and flushed once, at its end.
#include <array>
#include <string_view>

#include "kvnapi/kvnrecords.h"
#include "kvnprogram/output_failure.h"
#include "kvnshow/front_end/kvn_show_app.h"
#include "kvnshow/listing/listing_frame.h"
#include "kvnshow/listing/listing_options.h"
#include "kvnshow/text_reports/fax_date_text.h"
#include "kvnshow/text_reports/fax_line.h"
#include "kvnshow/text_reports/report_text.h"
#include "kvnshow/text_reports/verbose_fax_report.h"

namespace kvn {

bool KvnShowApp::reportFax(const void* entryBytes, std::int64_t ordinal, std::int32_t reportMode) {
  const FaxListEntryView entry(entryBytes);
  const CalendarText date = faxDateText(faxUtcSeconds(entry.time(), tzOffset),
                                        utcTimes ? TimeZoneKind::Utc : TimeZoneKind::Local);
  const std::string_view dateText(date.data());
  ReportText report(out);

  // Loaded only for the styles that show it.
  std::array<unsigned char, extended_fax::kSize> record;
  const ExtendedFaxView details(record.data());
  if (reportMode != kReportBrief && !loadFaxDetails(entry, record)) {
    return false;
  }

  addReportFrame(report, ordinal, reportMode);
  if (reportMode == kReportVerbose) {
    addVerboseFaxReport(report, entry, ordinal, dateText, details);
  } else {
    addFaxLine(report, entry, dateText, reportMode == kReportExtended ? &details : nullptr);
  }
  report.writeOut();
  flushOutput(out);
  return true;
}

}  // namespace kvn
