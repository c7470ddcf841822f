// The counts a listing keeps of the entries it walks (listing_frame.h writes
// them).
#ifndef KVNSHOW_LISTING_FAX_TOTALS_H
#define KVNSHOW_LISTING_FAX_TOTALS_H

#include <cstdint>

#include "kvnapi/kvnrecords.h"

namespace kvn {

// 64-bit, so that no list, however long, makes a count or the pages sum wrap.
struct FaxTotals {
  std::int64_t selected = 0;  // also the ordinal of the latest selected fax
  std::int64_t listed = 0;    // selected faxes whose report was written
  std::int64_t skipped = 0;
  std::int64_t received = 0;
  std::int64_t sent = 0;
  std::int64_t viewed = 0;
  std::int64_t pages = 0;  // a negative page count lowers it
  std::int64_t withError = 0;

  // Counts a selected entry, before its report, whatever the report does.
  void countSelected(const FaxListEntryView& entry);
};

}  // namespace kvn

#endif  // KVNSHOW_LISTING_FAX_TOTALS_H
