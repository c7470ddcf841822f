#include "kvnshow/listing/listing_frame.h"

#include <cinttypes>

#include "kvnshow/listing/listing_options.h"

namespace kvn {

void writeListingStart(std::FILE* out) {
  std::fputc('\n', out);
}

// The header is "%-12s  %-10s %-8s %3s %2s %s\n" with the headings. "Fol" is
// one column wider than the folder numbers, so "UniqueID" stands one column
// right of the IDs under it.
void addReportFrame(ReportText& report, std::int64_t ordinal, std::int32_t reportMode) {
  if (reportMode == kReportVerbose) {
    if (ordinal > 1) {
      report.add('\n');
    }
  } else if (ordinal == 1) {
    report.add("Flags         Date       Time      Pg Fol UniqueID\n");
  }
}

void writeListingEnd(std::FILE* out, const FaxTotals& totals, std::int32_t directionFilter) {
  std::fputc('\n', out);
  std::fprintf(out,
               "faxes:%" PRId64 " listed:%" PRId64 " failed:%" PRId64 " skipped:%" PRId64
               " total:%" PRId64 "\n",
               totals.selected, totals.listed, totals.selected - totals.listed, totals.skipped,
               totals.selected + totals.skipped);
  if ((directionFilter & kWantReceived) != 0) {
    std::fprintf(out, "recv:%" PRId64, totals.received);
  } else {
    std::fputs("recv:-", out);
  }
  if ((directionFilter & kWantSent) != 0) {
    std::fprintf(out, " sent:%" PRId64, totals.sent);
  } else {
    std::fputs(" sent:-", out);
  }
  std::fprintf(out, " viewed:%" PRId64 " pages:%" PRId64 " errs:%" PRId64 "\n", totals.viewed,
               totals.pages, totals.withError);
}

}  // namespace kvn
