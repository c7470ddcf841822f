// Which entries of the fax list a listing selects: by fax-ID pattern and by
// direction.
#ifndef KVNSHOW_LISTING_FAX_SELECTION_H
#define KVNSHOW_LISTING_FAX_SELECTION_H

#include <cstdint>

#include "kvnapi/kvnrecords.h"

namespace kvn {

// True when the entry's unique-ID matches one of the patterns (a list ended
// by a null pointer), tried in order until one matches.
bool matchesAnyPattern(const FaxListEntryView& entry, const char* const* patterns);

// True when the filter wants the entry's direction: bit 1 received, bit 2 sent.
bool isWantedDirection(const FaxListEntryView& entry, std::int32_t directionFilter);

}  // namespace kvn

#endif  // KVNSHOW_LISTING_FAX_SELECTION_H
