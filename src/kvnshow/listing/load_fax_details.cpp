// A fax's extended record, as every report style that shows it loads it; the
// text listing and the data formats give the same message when it fails.
#include <array>

#include "kvnapi/kvnapi.h"
#include "kvnapi/kvnconstants.h"
#include "kvnapi/kvnrecords.h"
#include "kvnprogram/output_failure.h"
#include "kvnshow/front_end/kvn_show_app.h"
#include "kvnshow/text_reports/report_text.h"

namespace kvn {

bool KvnShowApp::loadFaxDetails(const FaxListEntryView& entry,
                                std::array<unsigned char, extended_fax::kSize>& record) {
  record.fill(0);
  if (KvnLoadFax3(serverHandle, entry.faxHandle(), KvnLoadFaxA, KvnLoadFaxB, KvnLoadFaxC,
                  record.data(), KvnLoadFaxLevel) == 0) {
    return true;
  }
  ReportText message(out);
  message.add("Can't retrieve extended fax info: ");
  message.add(entry.uniqueId());
  message.add(" (");
  message.addHex8(entry.faxHandle());
  message.add(")\n");
  message.writeOut();
  flushOutput(out);
  return false;
}

}  // namespace kvn
