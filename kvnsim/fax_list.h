// A user's fax list as KvnGetFaxList hands it out: one contiguous array of
// FaxListEntry records, built at fetch time, sorted and walked in place.
#ifndef KVNSIM_FAX_LIST_H
#define KVNSIM_FAX_LIST_H

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "kvnapi/kvnapi.h"
#include "server_description.h"

namespace kvnsim {

enum class FolderSelection { kMainFolderOnly, kEveryFolder };

// The failures the list's server is scripted to show in sorting and walking.
struct ListFaults {
  std::optional<std::int32_t> sortError;
  std::optional<WalkFault> walk;
};

class FaxList {
 public:
  FaxList(const User& user, FolderSelection folders, ListFaults faults);

  std::size_t size() const { return entryCount_; }
  unsigned char* entry(std::size_t index) { return entries_.data() + index * kEntrySize; }

  // Stable, so that entries the comparison finds equal keep their order. A
  // failure leaves the list as it was.
  std::int32_t sort(KvnCompareFn compare);

  // The walk: each delivers the next entry or returns the code that ends it
  // (end of list, or the scripted failure).
  std::int32_t first(void** element);
  std::int32_t next(void** element);

 private:
  static constexpr std::size_t kEntrySize = kvn::fax_entry::kSize;
  void applyOrder(std::vector<std::uint32_t>& order);

  std::vector<unsigned char> entries_;
  std::size_t entryCount_ = 0;
  std::size_t walkPosition_ = 0;
  ListFaults faults_;
};

}  // namespace kvnsim

#endif  // KVNSIM_FAX_LIST_H
