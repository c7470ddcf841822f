#include "kvnshow/listing/fax_listing_formats.h"

#include "kvnshow/data_formats/csv_fax_row.h"
#include "kvnshow/data_formats/json_fax_object.h"
#include "kvnshow/front_end/kvn_show_app.h"

namespace kvn {

namespace {

FaxListingFormat& made(FaxListingRoom& room, FaxListingFormat& format) {
  room.started = &format;
  return format;
}

}  // namespace

FaxListingFormat& startFaxListing(FaxListingRoom& room, ListingFormat format, KvnShowApp& app,
                                  std::int32_t reportMode, std::int32_t tzOffset) {
  switch (format) {
    case ListingFormat::Csv:
      return made(room, room.format.emplace<FaxDataDocument>(kCsvFaxDocument, app, reportMode,
                                                             tzOffset, *app.texts));
    case ListingFormat::Json:
      return made(room, room.format.emplace<FaxDataDocument>(kJsonFaxDocument, app, reportMode,
                                                             tzOffset, *app.texts));
    case ListingFormat::Text:
      break;
  }
  return made(room, room.format.emplace<TextFaxListing>(app, reportMode));
}

void endFaxListing(FaxListingRoom& room) {
  if (room.started != nullptr) {
    room.started->end();
  }
}

}  // namespace kvn
