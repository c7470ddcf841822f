// The options a run hands to its listing and reports: which directions,
// which report style, which sort order.
#ifndef KVNSHOW_LISTING_LISTING_OPTIONS_H
#define KVNSHOW_LISTING_LISTING_OPTIONS_H

#include <cstdint>

namespace kvn {

// Bits of the direction filter.
inline constexpr std::int32_t kWantReceived = 1;
inline constexpr std::int32_t kWantSent = 2;

// Report styles.
inline constexpr std::int32_t kReportBrief = 1;
inline constexpr std::int32_t kReportVerbose = 2;
inline constexpr std::int32_t kReportExtended = 3;

// What the listing writes: the text report, or the faxes as data for
// scripts (-csv, -json) on standard output with everything else on standard
// error.
enum class ListingFormat { Text, Csv, Json };

// Sort orders.
inline constexpr std::int32_t kSortNone = 0;
inline constexpr std::int32_t kSortByDate = 1;
inline constexpr std::int32_t kSortByReverseDate = 2;

// The sort order of the listing. It is program-wide because the library's
// sort calls its comparison back without any context; it must not change
// while a sort runs.
extern std::int32_t sortMode;

}  // namespace kvn

#endif  // KVNSHOW_LISTING_LISTING_OPTIONS_H
