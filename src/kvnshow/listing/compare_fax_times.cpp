#include "kvnshow/listing/compare_fax_times.h"

#include "kvnapi/kvnrecords.h"
#include "kvnshow/listing/listing_options.h"

namespace kvn {

std::int32_t sortMode = kSortNone;

std::int32_t KVNAPI_CALLBACK compareFaxTimes(const void* a, const void* b) {
  const std::int32_t timeA = FaxListEntryView(a).time();
  const std::int32_t timeB = FaxListEntryView(b).time();
  std::int32_t order = 0;
  if (timeA < timeB) {
    order = -1;
  } else if (timeA > timeB) {
    order = 1;
  }
  return sortMode == kSortByReverseDate ? -order : order;
}

}  // namespace kvn
