#include "kvnshow/text_reports/text_fax_listing.h"

#include "kvnshow/front_end/kvn_show_app.h"

namespace kvn {

std::FILE* TextFaxListing::stream() const {
  return app_.out;
}

bool TextFaxListing::addFax(const void* entryBytes, std::int64_t ordinal) {
  return app_.reportFax(entryBytes, ordinal, reportMode_);
}

}  // namespace kvn
