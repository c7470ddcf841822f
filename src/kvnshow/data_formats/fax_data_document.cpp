#include "kvnshow/data_formats/fax_data_document.h"

#include "kvnprogram/output_failure.h"
#include "kvnshow/front_end/kvn_show_app.h"
#include "kvnshow/listing/listing_options.h"

namespace kvn {

FaxDataDocument::FaxDataDocument(const FaxDataSyntax& syntax, KvnShowApp& app,
                                 std::int32_t reportMode, std::int32_t tzOffset,
                                 Utf8FromAnsi& texts)
    : syntax_(syntax),
      app_(app),
      reportMode_(reportMode),
      out_(stdout),
      withDetails_(reportMode != kReportBrief),
      tzOffset_(tzOffset),
      utf8_(texts) {
  syntax_.prepare();
}

// The longest texts of the data fields, the comment and the list entry's
// last, are converted whole.
static_assert(extended_fax::kComment.room <= Utf8FromAnsi::kLongestText &&
              fax_entry::kFaxUserId.room <= Utf8FromAnsi::kLongestText);

void FaxDataDocument::begin(std::FILE* console) {
  flushOutput(console);
}

bool FaxDataDocument::addFax(const void* entryBytes, std::int64_t /*ordinal*/) {
  return app_.reportFaxData(entryBytes, reportMode_, *this);
}

void FaxDataDocument::addFaxRecords(const FaxListEntryView& entry, const ExtendedFaxView* details) {
  ReportText report(&DataOutput::write, &out_);
  if (faxes_ == 0) {
    syntax_.addStart(report, withDetails_);
  }
  const FaxDataSource source{&entry, details, withDetails_, tzOffset_};
  syntax_.addFax(report, utf8_, source, faxes_ == 0);
  ++faxes_;
  report.writeOut();
  out_.flush();
}

void FaxDataDocument::end() {
  ReportText report(&DataOutput::write, &out_);
  if (faxes_ == 0) {
    syntax_.addStart(report, withDetails_);
  }
  syntax_.addEnd(report, faxes_ == 0);
  report.writeOut();
  out_.flush();
}

}  // namespace kvn
