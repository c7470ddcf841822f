// The listing as one data document on standard output, for scripts. It is
// written as the list is walked: each fax with one write, flushed, and nothing
// kept from one fax to the next, so memory does not grow with the list. What
// opens the document goes out with the first fax, or with the end of an empty
// document.
#ifndef KVNSHOW_DATA_FORMATS_FAX_DATA_DOCUMENT_H
#define KVNSHOW_DATA_FORMATS_FAX_DATA_DOCUMENT_H

#include <cstdint>
#include <cstdio>

#include "kvnapi/kvnrecords.h"
#include "kvnshow/data_formats/data_output.h"
#include "kvnshow/data_formats/fax_data_fields.h"
#include "kvnshow/data_formats/utf8_from_ansi.h"
#include "kvnshow/listing/fax_listing_format.h"
#include "kvnshow/text_reports/report_text.h"

namespace kvn {

class KvnShowApp;

// How a format's document reads, the one thing each format says
// (csv_fax_row.h, json_fax_object.h).
struct FaxDataSyntax {
  // Takes what every fax will need, before the first: after it nothing
  // allocates.
  void (*prepare)();
  // What opens the document.
  void (*addStart)(ReportText& report, bool withDetails);
  // One fax; first: none came before it.
  void (*addFax)(ReportText& report, Utf8FromAnsi& utf8, const FaxDataSource& source, bool first);
  // What closes the document; empty: no fax was added.
  void (*addEnd)(ReportText& report, bool empty);
};

class FaxDataDocument final : public FaxListingFormat {
 public:
  // reportMode: with -e or -v the listing loads each fax's extended record,
  // and every fax carries its fields. tzOffset turns the server's times into
  // UTC. texts converts the records' texts; it outlives the document. Takes
  // here all the memory the document needs, so that adding a fax allocates
  // nothing: a listing that has begun cannot run out of memory.
  FaxDataDocument(const FaxDataSyntax& syntax, KvnShowApp& app, std::int32_t reportMode,
                  std::int32_t tzOffset, Utf8FromAnsi& texts);
  ~FaxDataDocument() = default;

  // The data go to standard output, the console's lines elsewhere.
  std::FILE* stream() const override { return stdout; }
  // The data leave on another stream than the console: the console's lines
  // so far go out first, so that they stay in order.
  void begin(std::FILE* console) override;
  // Loads the fax's details when the report style shows them.
  bool addFax(const void* entryBytes, std::int64_t ordinal) override;
  // Flushes.
  void end() override;

  // One selected fax; details is null when the listing loads none or when
  // they could not be loaded. Flushes.
  void addFaxRecords(const FaxListEntryView& entry, const ExtendedFaxView* details);

 private:
  const FaxDataSyntax& syntax_;
  KvnShowApp& app_;
  std::int32_t reportMode_;
  DataOutput out_;
  bool withDetails_;
  std::int32_t tzOffset_;
  std::int64_t faxes_ = 0;
  Utf8FromAnsi& utf8_;
};

}  // namespace kvn

#endif  // KVNSHOW_DATA_FORMATS_FAX_DATA_DOCUMENT_H
