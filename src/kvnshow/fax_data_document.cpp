#include "kvnshow/fax_data_document.h"

#include <algorithm>
#include <cstddef>

#include "kvnprogram/output_failure.h"
#include "kvnshow/csv_fax_row.h"
#include "kvnshow/fax_data_fields.h"
#include "kvnshow/json_fax_object.h"

namespace kvn {

namespace {

// No text of a record is longer than the record.
constexpr std::size_t kLongestRecordText = std::max(fax_entry::kSize, extended_fax::kSize);

}  // namespace

FaxDataDocument::FaxDataDocument(std::FILE* out, ListingFormat format, bool withDetails,
                                 std::int32_t tzOffset)
    : out_(out), format_(format), withDetails_(withDetails), tzOffset_(tzOffset) {
  utf8_.reserve(kLongestRecordText);
  if (format_ == ListingFormat::Json) {
    prepareJsonFaxObjects();
  }
}

void FaxDataDocument::addStart(ReportText& report) const {
  if (format_ == ListingFormat::Csv) {
    addCsvHeader(report, withDetails_);
  } else {
    report.add('[');
  }
}

void FaxDataDocument::addFax(const FaxListEntryView& entry, const ExtendedFaxView* details) {
  ReportText report(out_);
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
  flushOutput(out_);
}

void FaxDataDocument::end() {
  ReportText report(out_);
  if (faxes_ == 0) {
    addStart(report);
  }
  if (format_ == ListingFormat::Json) {
    report.add(faxes_ == 0 ? "]\n" : "\n]\n");
  }
  report.writeOut();
  flushOutput(out_);
}

}  // namespace kvn
