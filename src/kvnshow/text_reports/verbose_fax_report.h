// The verbose report of a fax: a block of labelled lines with every field of
// its extended record.
#ifndef KVNSHOW_TEXT_REPORTS_VERBOSE_FAX_REPORT_H
#define KVNSHOW_TEXT_REPORTS_VERBOSE_FAX_REPORT_H

#include <cstdint>
#include <string_view>

#include "kvnapi/kvnrecords.h"
#include "kvnshow/text_reports/report_text.h"

namespace kvn {

// One fax's block, headed by its ordinal and unique-ID.
void addVerboseFaxReport(ReportText& report, const FaxListEntryView& entry, std::int64_t ordinal,
                         std::string_view dateText, const ExtendedFaxView& record);

}  // namespace kvn

#endif  // KVNSHOW_TEXT_REPORTS_VERBOSE_FAX_REPORT_H
