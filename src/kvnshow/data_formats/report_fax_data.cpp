// The data of one selected fax: its list entry, and its extended record when
// the report style loads one, as the text reports load it. A fax whose record
// cannot be loaded gets the text reports' message on the console and is still
// added, marked as having no details.
#include <array>

#include "kvnapi/kvnrecords.h"
#include "kvnshow/data_formats/fax_data_document.h"
#include "kvnshow/front_end/kvn_show_app.h"
#include "kvnshow/listing/listing_options.h"

namespace kvn {

bool KvnShowApp::reportFaxData(const void* entryBytes, std::int32_t reportMode,
                               FaxDataDocument& document) {
  const FaxListEntryView entry(entryBytes);
  if (reportMode == kReportBrief) {
    document.addFaxRecords(entry, nullptr);
    return true;
  }
  std::array<unsigned char, extended_fax::kSize> record;
  const ExtendedFaxView details(record.data());
  if (!loadFaxDetails(entry, record)) {
    document.addFaxRecords(entry, nullptr);
    return false;
  }
  document.addFaxRecords(entry, &details);
  return true;
}

}  // namespace kvn
