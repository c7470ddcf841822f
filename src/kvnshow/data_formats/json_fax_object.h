// The JSON document (RFC 8259): an array with one object a line ("[", the
// objects separated by "," and a line end, "]"). An object holds a fax's
// fields by name, texts in UTF-8 with what JSON requires escaped, numbers and
// booleans bare, null for a value that is not there.
#ifndef KVNSHOW_DATA_FORMATS_JSON_FAX_OBJECT_H
#define KVNSHOW_DATA_FORMATS_JSON_FAX_OBJECT_H

#include "kvnshow/data_formats/fax_data_document.h"
#include "kvnshow/data_formats/fax_data_fields.h"
#include "kvnshow/data_formats/utf8_from_ansi.h"
#include "kvnshow/text_reports/report_text.h"

namespace kvn {

// Builds what every object takes, its keys, once: called before the list is
// walked, so that adding an object allocates nothing.
void prepareJsonFaxObjects();

// Adds the object, without a line end.
void addJsonFaxObject(ReportText& report, Utf8FromAnsi& utf8, const FaxDataSource& source);

// The JSON document, for a FaxDataDocument.
extern const FaxDataSyntax kJsonFaxDocument;

}  // namespace kvn

#endif  // KVNSHOW_DATA_FORMATS_JSON_FAX_OBJECT_H
