#include "kvnshow/data_formats/fax_data_document.h"

#include "kvnshow/data_formats/csv_fax_row.h"
#include "kvnshow/data_formats/fax_data_fields.h"
#include "kvnshow/data_formats/json_fax_object.h"

namespace kvn {

FaxDataDocument::FaxDataDocument(std::FILE* out, ListingFormat format, bool withDetails,
                                 std::int32_t tzOffset, Utf8FromAnsi& texts)
    : out_(out), format_(format), withDetails_(withDetails), tzOffset_(tzOffset), utf8_(texts) {
  if (format_ == ListingFormat::Json) {
    prepareJsonFaxObjects();
  }
}

// The longest texts of the data fields, the comment and the list entry's
// last, are converted whole.
static_assert(extended_fax::kComment.room <= Utf8FromAnsi::kLongestText &&
              fax_entry::kFaxUserId.room <= Utf8FromAnsi::kLongestText);

void FaxDataDocument::addStart(ReportText& report) const {
  if (format_ == ListingFormat::Csv) {
    addCsvHeader(report, withDetails_);
  } else {
    report.add('[');
  }
}

void FaxDataDocument::addFax(const FaxListEntryView& entry, const ExtendedFaxView* details) {
  ReportText report(&DataOutput::write, &out_);
  if (faxes_ == 0) {
    addStart(report);
  }
  const FaxDataSource source{&entry, details, withDetails_, tzOffset_};
  if (format_ == ListingFormat::Csv) {
    addCsvFaxRow(report, utf8_, source);
  } else {
    report.add(faxes_ == 0 ? std::string_view("\n") : std::string_view(",\n"));
    addJsonFaxObject(report, utf8_, source);
  }
  ++faxes_;
  report.writeOut();
  out_.flush();
}

void FaxDataDocument::end() {
  ReportText report(&DataOutput::write, &out_);
  if (faxes_ == 0) {
    addStart(report);
  }
  if (format_ == ListingFormat::Json) {
    report.add(faxes_ == 0 ? "]\n" : "\n]\n");
  }
  report.writeOut();
  out_.flush();
}

}  // namespace kvn
