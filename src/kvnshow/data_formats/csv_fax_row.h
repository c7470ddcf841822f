// The CSV document (RFC 4180): the header row of the field names, then one
// row a fax: texts in UTF-8, quoted when they hold a comma, a quote, CR or LF,
// with a quote inside doubled; an empty field for a value that is not there.
// Rows end in CR LF.
#ifndef KVNSHOW_DATA_FORMATS_CSV_FAX_ROW_H
#define KVNSHOW_DATA_FORMATS_CSV_FAX_ROW_H

#include "kvnshow/data_formats/fax_data_document.h"
#include "kvnshow/data_formats/fax_data_fields.h"
#include "kvnshow/data_formats/utf8_from_ansi.h"
#include "kvnshow/text_reports/report_text.h"

namespace kvn {

void addCsvHeader(ReportText& report, bool withDetails);
void addCsvFaxRow(ReportText& report, Utf8FromAnsi& utf8, const FaxDataSource& source);

// The CSV document, for a FaxDataDocument.
extern const FaxDataSyntax kCsvFaxDocument;

}  // namespace kvn

#endif  // KVNSHOW_DATA_FORMATS_CSV_FAX_ROW_H
