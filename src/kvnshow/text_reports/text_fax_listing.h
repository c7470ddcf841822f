// The text listing: each selected fax reported on the console in the report
// style, one line or one block; the frame around the reports is the
// listing's own.
#ifndef KVNSHOW_TEXT_REPORTS_TEXT_FAX_LISTING_H
#define KVNSHOW_TEXT_REPORTS_TEXT_FAX_LISTING_H

#include <cstdint>
#include <cstdio>

#include "kvnshow/listing/fax_listing_format.h"

namespace kvn {

class KvnShowApp;

class TextFaxListing final : public FaxListingFormat {
 public:
  TextFaxListing(KvnShowApp& app, std::int32_t reportMode) : app_(app), reportMode_(reportMode) {}
  ~TextFaxListing() = default;

  std::FILE* stream() const override;
  void begin(std::FILE* /*console*/) override {}
  bool addFax(const void* entryBytes, std::int64_t ordinal) override;
  void end() override {}

 private:
  KvnShowApp& app_;
  std::int32_t reportMode_;
};

}  // namespace kvn

#endif  // KVNSHOW_TEXT_REPORTS_TEXT_FAX_LISTING_H
