#include "kvnshow/fax_totals.h"

#include <cinttypes>

#include "kvnshow/listing_options.h"

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

void FaxTotals::write(std::FILE* out, std::int32_t directionFilter) const {
  std::fprintf(out,
               "faxes:%" PRId64 " listed:%" PRId64 " failed:%" PRId64 " skipped:%" PRId64
               " total:%" PRId64 "\n",
               selected, listed, selected - listed, skipped, selected + skipped);
  if ((directionFilter & kWantReceived) != 0) {
    std::fprintf(out, "recv:%" PRId64, received);
  } else {
    std::fputs("recv:-", out);
  }
  if ((directionFilter & kWantSent) != 0) {
    std::fprintf(out, " sent:%" PRId64, sent);
  } else {
    std::fputs(" sent:-", out);
  }
  std::fprintf(out, " viewed:%" PRId64 " pages:%" PRId64 " errs:%" PRId64 "\n", viewed, pages,
               withError);
}

}  // namespace kvn
