// The formats a listing can be written in, and the one place that picks one.
#ifndef KVNSHOW_LISTING_FAX_LISTING_FORMATS_H
#define KVNSHOW_LISTING_FAX_LISTING_FORMATS_H

#include <cstdint>
#include <variant>

#include "kvnshow/data_formats/fax_data_document.h"
#include "kvnshow/listing/fax_listing_format.h"
#include "kvnshow/listing/listing_options.h"
#include "kvnshow/text_reports/text_fax_listing.h"

namespace kvn {

class KvnShowApp;

// Room for the listing's format on the listing's own stack: making it there
// allocates nothing, and the format is destroyed when the listing is.
struct FaxListingRoom {
  std::variant<std::monostate, TextFaxListing, FaxDataDocument> format;
  // The format once it is made whole; null before, and when making it failed.
  FaxListingFormat* started = nullptr;
};

// Makes the format in room, for the report style; tzOffset turns the
// server's times into UTC for the data formats. The one place that tells the
// formats apart: a new data format is its syntax (as csv_fax_row.h gives the
// CSV one) and a case here.
FaxListingFormat& startFaxListing(FaxListingRoom& room, ListingFormat format, KvnShowApp& app,
                                  std::int32_t reportMode, std::int32_t tzOffset);

// Completes the listing in room, if one was started.
void endFaxListing(FaxListingRoom& room);

}  // namespace kvn

#endif  // KVNSHOW_LISTING_FAX_LISTING_FORMATS_H
