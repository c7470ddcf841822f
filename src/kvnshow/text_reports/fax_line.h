// The one-line listing of a fax: the brief line and the extended line, which
// adds the fax's file name and DID from its extended record.
#ifndef KVNSHOW_TEXT_REPORTS_FAX_LINE_H
#define KVNSHOW_TEXT_REPORTS_FAX_LINE_H

#include <string_view>

#include "kvnapi/kvnrecords.h"
#include "kvnshow/text_reports/report_text.h"

namespace kvn {

// One fax's line. extended is null for the brief line.
void addFaxLine(ReportText& report, const FaxListEntryView& entry, std::string_view dateText,
                const ExtendedFaxView* extended);

}  // namespace kvn

#endif  // KVNSHOW_TEXT_REPORTS_FAX_LINE_H
