#include "kvnshow/listing/compare_fax_times.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "kvnapi/kvnrecords.h"
#include "kvnshow/listing/listing_options.h"

namespace kvn {
namespace {

// An entry with the time stored at an odd address, as the library may hand
// one over.
struct EntryAt {
  explicit EntryAt(std::int32_t time) {
    const auto bits = static_cast<std::uint32_t>(time);
    for (std::size_t i = 0; i < 4; ++i) {
      bytes[1 + fax_entry::kTime + i] = static_cast<unsigned char>(bits >> (8 * i));
    }
  }
  const void* entry() const { return bytes.data() + 1; }
  std::array<unsigned char, fax_entry::kSize + 1> bytes{};
};

struct CompareCase {
  std::int32_t a;
  std::int32_t b;
  std::int32_t byDate;  // the result in date order; reverse order negates it
};

class CompareFaxTimesTable : public ::testing::TestWithParam<CompareCase> {
 protected:
  void TearDown() override { sortMode = kSortNone; }
};

TEST_P(CompareFaxTimesTable, OrdersBySignedTime) {
  const CompareCase& c = GetParam();
  const EntryAt a(c.a);
  const EntryAt b(c.b);
  sortMode = kSortByDate;
  EXPECT_EQ(compareFaxTimes(a.entry(), b.entry()), c.byDate) << c.a << " vs " << c.b;
  sortMode = kSortByReverseDate;
  EXPECT_EQ(compareFaxTimes(a.entry(), b.entry()), -c.byDate) << c.a << " vs " << c.b;
}

// Results are -1, 0 or +1 only, also where a difference would overflow.
INSTANTIATE_TEST_SUITE_P(Times, CompareFaxTimesTable,
                         ::testing::Values(CompareCase{1226000000, 1226000001, -1},
                                           CompareCase{1226000001, 1226000000, 1},
                                           CompareCase{1226000000, 1226000000, 0},
                                           CompareCase{-1, 0, -1},
                                           CompareCase{-2147483647 - 1, 2147483647, -1},
                                           CompareCase{2147483647, -2147483647 - 1, 1},
                                           CompareCase{0, -5, 1}));

TEST(CompareFaxTimes, ReadsOnlyTheTimeField) {
  EntryAt a(100);
  EntryAt b(100);
  b.bytes.fill(0xAB);  // every other byte differs
  for (std::size_t i = 0; i < 4; ++i) {
    b.bytes[1 + fax_entry::kTime + i] = a.bytes[1 + fax_entry::kTime + i];
  }
  sortMode = kSortByDate;
  EXPECT_EQ(compareFaxTimes(a.entry(), b.entry()), 0);
  sortMode = kSortNone;
}

}  // namespace
}  // namespace kvn
