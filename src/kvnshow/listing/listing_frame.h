// The frame of a listing around its reports: a blank line ahead of the first
// fax, the column header above the first one-line entry, a blank line between
// verbose blocks, and after the last fax a blank line and the two totals
// lines. Each piece reaches the output with what follows it: the first blank
// line waits in the stream for the first report, the header and the blank
// line between blocks go into the report they stand before, which is flushed
// whole, and the totals are flushed with the end of the listing.
#ifndef KVNSHOW_LISTING_LISTING_FRAME_H
#define KVNSHOW_LISTING_LISTING_FRAME_H

#include <cstdint>
#include <cstdio>

#include "kvnshow/listing/fax_totals.h"
#include "kvnshow/text_reports/report_text.h"

namespace kvn {

// Ahead of the first selected fax; does not flush.
void writeListingStart(std::FILE* out);

// Ahead of a fax's rendering, once its details are in: the column header
// above the first one-line entry, a blank line ahead of every verbose block
// but the first.
void addReportFrame(ReportText& report, std::int64_t ordinal, std::int32_t reportMode);

// After the walk: a blank line, then the "faxes:..." and "recv:..." lines; a
// direction the filter does not want shows "-" for its count. Does not flush.
void writeListingEnd(std::FILE* out, const FaxTotals& totals, std::int32_t directionFilter);

}  // namespace kvn

#endif  // KVNSHOW_LISTING_LISTING_FRAME_H
