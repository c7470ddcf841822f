// How the listing writes its faxes: as text reports on the console, or as a
// data document on standard output. The format is chosen once, when the
// listing begins (startFaxListing); the walk hands each selected fax to it
// and knows no format.
#ifndef KVNSHOW_LISTING_FAX_LISTING_FORMAT_H
#define KVNSHOW_LISTING_FAX_LISTING_FORMAT_H

#include <cstdint>
#include <cstdio>

namespace kvn {

class FaxListingFormat {
 public:
  FaxListingFormat(const FaxListingFormat&) = delete;
  FaxListingFormat& operator=(const FaxListingFormat&) = delete;
  FaxListingFormat(FaxListingFormat&&) = delete;
  FaxListingFormat& operator=(FaxListingFormat&&) = delete;

  // Where the faxes go: once it has failed, the walk stops.
  virtual std::FILE* stream() const = 0;
  // The first fax was selected, and the listing's frame begun on console.
  virtual void begin(std::FILE* console) = 0;
  // The ordinal-th selected fax; false when its details could not be loaded.
  virtual bool addFax(const void* entryBytes, std::int64_t ordinal) = 0;
  // Completes the listing, also when no fax was selected or the walk was cut
  // short.
  virtual void end() = 0;

 protected:
  FaxListingFormat() = default;
  // Each format is destroyed as itself, where it was made.
  ~FaxListingFormat() = default;
};

}  // namespace kvn

#endif  // KVNSHOW_LISTING_FAX_LISTING_FORMAT_H
