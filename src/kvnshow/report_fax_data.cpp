// The data of one selected fax: its list entry, and its extended record when
// the report style loads one, as the text reports load it. A fax whose record
// cannot be loaded gets the text reports' message on the console and is still
// added, marked as having no details.
#include <array>

#include "kvnapi/kvnapi.h"
#include "kvnapi/kvnconstants.h"
#include "kvnapi/kvnrecords.h"
#include "kvnprogram/output_failure.h"
#include "kvnshow/fax_data_document.h"
#include "kvnshow/kvn_show_app.h"
#include "kvnshow/listing_options.h"
#include "kvnshow/report_text.h"

namespace kvn {

bool KvnShowApp::reportFaxData(const void* entryBytes, std::int32_t reportMode,
                               FaxDataDocument& document) {
  const FaxListEntryView entry(entryBytes);
  if (reportMode == kReportBrief) {
    document.addFax(entry, nullptr);
    return true;
  }
  std::array<unsigned char, extended_fax::kSize> record{};
  const ExtendedFaxView details(record.data());
  if (KvnLoadFax3(serverHandle, entry.faxHandle(), KvnLoadFaxA, KvnLoadFaxB, KvnLoadFaxC,
                  record.data(), KvnLoadFaxLevel) != 0) {
    ReportText message(out);
    message.add("Can't retrieve extended fax info: ");
    message.add(entry.uniqueId());
    message.add(" (");
    message.addHex8(entry.faxHandle());
    message.add(")\n");
    message.writeOut();
    flushOutput(out);
    document.addFax(entry, nullptr);
    return false;
  }
  document.addFax(entry, &details);
  return true;
}

}  // namespace kvn
