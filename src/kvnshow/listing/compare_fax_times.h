// The date order of the fax list, which the library's sort calls back.
#ifndef KVNSHOW_LISTING_COMPARE_FAX_TIMES_H
#define KVNSHOW_LISTING_COMPARE_FAX_TIMES_H

#include <cstdint>

#include "kvnapi/kvnapi.h"

namespace kvn {

// Compares two fax list entries by time: -1, 0 or +1, negated when sortMode
// is 2. Negative means a belongs before b. The library calls it back, so it
// has the library's callback convention.
std::int32_t KVNAPI_CALLBACK compareFaxTimes(const void* a, const void* b);

}  // namespace kvn

#endif  // KVNSHOW_LISTING_COMPARE_FAX_TIMES_H
