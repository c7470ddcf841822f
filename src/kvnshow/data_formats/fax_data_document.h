// The listing as one data document on its own stream, for scripts: a CSV
// table with its header row, or a JSON array with one object a line
// ("[", the objects separated by "," and a line end, "]"). It is written as
// the list is walked: each fax with one write, flushed, and nothing kept from
// one fax to the next, so memory does not grow with the list. The header, or
// the opening bracket, goes out with the first fax, or with the end of an
// empty document.
#ifndef KVNSHOW_DATA_FORMATS_FAX_DATA_DOCUMENT_H
#define KVNSHOW_DATA_FORMATS_FAX_DATA_DOCUMENT_H

#include <cstdint>
#include <cstdio>

#include "kvnapi/kvnrecords.h"
#include "kvnshow/data_formats/data_output.h"
#include "kvnshow/data_formats/utf8_from_ansi.h"
#include "kvnshow/listing/listing_options.h"
#include "kvnshow/text_reports/report_text.h"

namespace kvn {

class FaxDataDocument {
 public:
  // withDetails: the listing loads each fax's extended record (-e, -v), and
  // every fax carries its fields. tzOffset turns the server's times into UTC.
  // texts converts the records' texts; it outlives the document. Takes here
  // all the memory the document needs, so that adding a fax allocates
  // nothing: a listing that has begun cannot run out of memory.
  FaxDataDocument(std::FILE* out, ListingFormat format, bool withDetails, std::int32_t tzOffset,
                  Utf8FromAnsi& texts);

  // One selected fax; details is null when the listing loads none or when
  // they could not be loaded. Flushes.
  void addFax(const FaxListEntryView& entry, const ExtendedFaxView* details);

  // Completes the document, also when no fax was added. Flushes.
  void end();

 private:
  void addStart(ReportText& report) const;

  DataOutput out_;
  ListingFormat format_;
  bool withDetails_;
  std::int32_t tzOffset_;
  std::int64_t faxes_ = 0;
  Utf8FromAnsi& utf8_;
};

}  // namespace kvn

#endif  // KVNSHOW_DATA_FORMATS_FAX_DATA_DOCUMENT_H
