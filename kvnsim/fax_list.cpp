#include "fax_list.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <numeric>

#include "error_codes.h"
#include "fax_generator.h"

namespace kvnsim {

FaxList::FaxList(const User& user, FolderSelection folders, ListFaults faults) : faults_(faults) {
  const auto wanted = [folders](std::uint16_t folder) {
    return folders == FolderSelection::kEveryFolder || folder == 0;
  };
  const std::uint32_t generatedCount = user.generated ? user.generated->count : 0;

  // Count first so that the array is allocated once, at its final size.
  entryCount_ = static_cast<std::size_t>(
      std::count_if(user.faxes.begin(), user.faxes.end(),
                    [&](const ExplicitFax& fax) { return wanted(fax.folder); }));
  for (std::uint32_t position = 0; position < generatedCount; ++position) {
    if (wanted(generatedFaxFolder(*user.generated, position))) {
      ++entryCount_;
    }
  }
  entries_.resize(entryCount_ * kEntrySize);

  std::size_t filled = 0;
  for (const ExplicitFax& fax : user.faxes) {
    if (wanted(fax.folder)) {
      std::memcpy(entry(filled++), fax.entry.data(), kEntrySize);
    }
  }
  for (std::uint32_t position = 0; position < generatedCount; ++position) {
    if (wanted(generatedFaxFolder(*user.generated, position))) {
      writeGeneratedEntry(*user.generated, user.id, position, entry(filled++));
    }
  }
}

std::int32_t FaxList::sort(KvnCompareFn compare) {
  if (faults_.sortError) {
    return *faults_.sortError;
  }
  if (compare == nullptr) {
    return error::kSort;
  }
  // Sort positions rather than 216-byte records, then move each record once.
  std::vector<std::uint32_t> order(entryCount_);
  std::iota(order.begin(), order.end(), 0U);
  std::stable_sort(order.begin(), order.end(), [this, compare](std::uint32_t a, std::uint32_t b) {
    return compare(entry(a), entry(b)) < 0;
  });
  applyOrder(order);
  return error::kNone;
}

// Puts the record at order[i] into place i by following each cycle of the
// permutation, so that only one spare record is needed.
void FaxList::applyOrder(std::vector<std::uint32_t>& order) {
  std::array<unsigned char, kEntrySize> spare{};
  for (std::size_t start = 0; start < order.size(); ++start) {
    if (order[start] == start) {
      continue;
    }
    std::memcpy(spare.data(), entry(start), kEntrySize);
    std::size_t target = start;
    while (order[target] != start) {
      const std::size_t source = order[target];
      std::memcpy(entry(target), entry(source), kEntrySize);
      order[target] = static_cast<std::uint32_t>(target);
      target = source;
    }
    std::memcpy(entry(target), spare.data(), kEntrySize);
    order[target] = static_cast<std::uint32_t>(target);
  }
}

std::int32_t FaxList::first(void** element) {
  walkPosition_ = 0;
  return next(element);
}

std::int32_t FaxList::next(void** element) {
  if (faults_.walk && walkPosition_ >= faults_.walk->failAfter) {
    return faults_.walk->error;
  }
  if (walkPosition_ >= entryCount_) {
    return error::kEndOfList;
  }
  *element = entry(walkPosition_++);
  return error::kNone;
}

}  // namespace kvnsim
