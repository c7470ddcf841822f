// The listing: fetch the user's fax list, sort it on request, walk it, select
// and report faxes, print the totals.
#include <new>

#include "kvnapi/kvnapi.h"
#include "kvnapi/kvnconstants.h"
#include "kvnapi/kvnrecords.h"
#include "kvnprogram/output_failure.h"

#include "kvnshow/front_end/kvn_show_app.h"
#include "kvnshow/listing/compare_fax_times.h"
#include "kvnshow/listing/fax_listing_formats.h"
#include "kvnshow/listing/fax_selection.h"
#include "kvnshow/listing/fax_totals.h"
#include "kvnshow/listing/listing_frame.h"

namespace kvn {

bool KvnShowApp::listFaxes(std::int32_t directionFilter, std::int32_t reportMode,
                           const char* const* patterns) {
  std::fputs("Retrieving fax list...\n", out);
  flushOutput(out);
  KvnListHandle list = 0;
  if (KvnGetFaxList(serverHandle, userID->c_str(), KvnFaxListA,
                    mainFolderOnly ? KvnMainFolderMask : KvnEveryFolderMask, KvnFaxListB,
                    &list) != 0) {
    std::fprintf(out, "Can't retrieve fax list for user: %s\n", userID->c_str());
    flushOutput(out);
    return false;
  }

  // From here on the list is released and the totals are written whatever
  // happens, running out of memory too, which then ends the run.
  FaxTotals totals;
  FaxListingRoom listing;
  try {
    walkFaxList(list, directionFilter, reportMode, patterns, listing, totals);
  } catch (const std::bad_alloc&) {
    endListing(list, listing, totals, directionFilter);
    throw;
  }
  endListing(list, listing, totals, directionFilter);
  return true;
}

void KvnShowApp::walkFaxList(KvnListHandle list, std::int32_t directionFilter,
                             std::int32_t reportMode, const char* const* patterns,
                             FaxListingRoom& listingRoom, FaxTotals& totals) {
  if (sortMode != kSortNone) {
    std::fputs("Sorting fax list by date...\n", out);
    flushOutput(out);
    if (KvnListSort(list, compareFaxTimes) != 0) {
      std::fprintf(out, "Can't sort the fax list for user: %s\n", userID->c_str());
      flushOutput(out);
    }
  }

  // From here on the listing has begun, in its format: it is completed
  // whatever happens to single faxes.
  FaxListingFormat& listing = startFaxListing(listingRoom, format, *this, reportMode, tzOffset);

  // The end of the list and a failed fetch both end the walk, silently. So
  // does a listing that cannot be written: the run fails whatever follows,
  // and the rest of a long list would be walked for nobody.
  void* element = nullptr;
  for (std::int32_t result = KvnListGetFirstElementPtr(list, &element);
       result == 0 && std::ferror(listing.stream()) == 0;
       result = KvnListGetNextElementPtr(list, &element)) {
    const FaxListEntryView entry(element);
    if (!matchesAnyPattern(entry, patterns) || !isWantedDirection(entry, directionFilter)) {
      ++totals.skipped;
      continue;
    }
    totals.countSelected(entry);
    if (totals.selected == 1) {
      writeListingStart(out);
      listing.begin(out);
    }
    if (listing.addFax(element, totals.selected)) {
      ++totals.listed;
    }
  }
}

void KvnShowApp::endListing(KvnListHandle list, FaxListingRoom& listing, const FaxTotals& totals,
                            std::int32_t directionFilter) const {
  endFaxListing(listing);
  writeListingEnd(out, totals, directionFilter);
  flushOutput(out);
  KvnCloseListHandle(list);
}

}  // namespace kvn
