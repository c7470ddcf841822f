// The report of one selected fax: its date text, its extended record when the
// style needs it, then the one-line or the verbose rendering. Each report
// flushes once, at its end.
#include <array>
#include <cinttypes>

#include "kvnapi/kvnapi.h"
#include "kvnapi/kvnrecords.h"
#include "kvnprogram/output_failure.h"
#include "kvnshow/command_line.h"
#include "kvnshow/fax_date_text.h"
#include "kvnshow/fax_line.h"
#include "kvnshow/kvn_show_app.h"
#include "kvnshow/text_output.h"
#include "kvnshow/verbose_fax_report.h"

namespace kvn {

bool KvnShowApp::reportFax(const void* entryBytes, std::int64_t ordinal, std::int32_t reportMode) {
  const FaxListEntryView entry(entryBytes);
  const CalendarText dateText = faxDateText(faxUtcSeconds(entry.time(), tzOffset),
                                            utcTimes ? TimeZoneKind::Utc : TimeZoneKind::Local);

  // Loaded only for the styles that show it, into a buffer zero-filled before
  // each load: a field the library leaves alone reads 0.
  std::array<unsigned char, extended_fax::kSize> record;
  const ExtendedFaxView details(record.data());
  if (reportMode != kReportBrief) {
    record.fill(0);
    if (KvnLoadFax3(serverHandle, entry.faxHandle(), 0, 3, 0, record.data(), 11) != 0) {
      std::fputs("Can't retrieve extended fax info: ", out);
      writeText(out, entry.uniqueId());
      std::fprintf(out, " (%08" PRIX32 ")\n", entry.faxHandle());
      flushOutput(out);
      return false;
    }
  }

  if (reportMode == kReportVerbose) {
    writeVerboseFaxReport(out, entry, ordinal, dateText.data(), details);
  } else {
    if (ordinal == 1) {
      writeFaxLineHeader(out);
    }
    writeFaxLine(out, entry, dateText.data(), reportMode == kReportExtended ? &details : nullptr);
  }
  flushOutput(out);
  return true;
}

}  // namespace kvn
