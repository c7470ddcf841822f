// The one-line listing of a fax: the brief line and the extended line, which
// adds the fax's file name and DID from its extended record.
#ifndef KVNSHOW_FAX_LINE_H
#define KVNSHOW_FAX_LINE_H

#include <cstdio>

#include "kvnapi/kvnrecords.h"

namespace kvn {

// The column header, written once, above the first fax's line.
void writeFaxLineHeader(std::FILE* out);

// One fax's line. extended is null for the brief line. Nothing is flushed.
void writeFaxLine(std::FILE* out, const FaxListEntryView& entry, const char* dateText,
                  const ExtendedFaxView* extended);

}  // namespace kvn

#endif  // KVNSHOW_FAX_LINE_H
