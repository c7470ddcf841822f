#include "kvnshow/listing/fax_totals.h"

namespace kvn {

void FaxTotals::countSelected(const FaxListEntryView& entry) {
  ++selected;
  if (entry.hasFlag(FaxFlagReceived)) {
    ++received;
  } else {
    ++sent;
  }
  if (entry.hasFlag(FaxFlagViewed)) {
    ++viewed;
  }
  pages += entry.pages();
  if (entry.errorCode() != 0) {
    ++withError;
  }
}

}  // namespace kvn
