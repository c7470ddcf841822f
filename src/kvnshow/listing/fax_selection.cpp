#include "kvnshow/listing/fax_selection.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "kvnprogram/match_wildcard.h"
#include "kvnshow/listing/listing_options.h"

namespace kvn {

bool matchesAnyPattern(const FaxListEntryView& entry, const char* const* patterns) {
  // The ID may fill its room with no terminator; the matcher gets a
  // terminated copy.
  const std::string_view id = entry.uniqueId();
  std::array<char, fax_entry::kUniqueId.room + 1> text{};
  std::copy(id.begin(), id.end(), text.begin());
  for (const char* const* pattern = patterns; *pattern != nullptr; ++pattern) {
    if (matchWildcard(text.data(), *pattern)) {
      return true;
    }
  }
  return false;
}

bool isWantedDirection(const FaxListEntryView& entry, std::int32_t directionFilter) {
  const bool received = entry.hasFlag(FaxFlagReceived);
  return (directionFilter & (received ? kWantReceived : kWantSent)) != 0;
}

}  // namespace kvn
