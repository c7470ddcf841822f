// One fax as a CSV row (RFC 4180), and the header row of the field names:
// texts in UTF-8, quoted when they hold a comma, a quote, CR or LF, with a
// quote inside doubled; an empty field for a value that is not there. Rows
// end in CR LF.
#ifndef KVNSHOW_DATA_FORMATS_CSV_FAX_ROW_H
#define KVNSHOW_DATA_FORMATS_CSV_FAX_ROW_H

#include "kvnshow/data_formats/fax_data_fields.h"
#include "kvnshow/data_formats/utf8_from_ansi.h"
#include "kvnshow/text_reports/report_text.h"

namespace kvn {

void addCsvHeader(ReportText& report, bool withDetails);
void addCsvFaxRow(ReportText& report, Utf8FromAnsi& utf8, const FaxDataSource& source);

}  // namespace kvn

#endif  // KVNSHOW_DATA_FORMATS_CSV_FAX_ROW_H
