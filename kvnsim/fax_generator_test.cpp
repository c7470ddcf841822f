// Generated faxes: as many as asked for, after the explicit ones, the same
// for the same seed, and loadable like any other fax.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

#include "test_servers.h"

namespace kvnsim::test {
namespace {

constexpr std::uint32_t kFirstGeneratedHandle = 0x40000000;
constexpr std::uint32_t kHandlesPerUser = 0x01000000;

std::string generatingServer(std::uint32_t count, std::uint32_t seed) {
  return R"({"users": [{"id": "FIRST", "faxes": [{"handle": 1}]},
    {"id": "BULK", "faxes": [{"handle": 2}, {"handle": 3}],
     "generate": {"count": )" +
         std::to_string(count) + R"(, "seed": )" + std::to_string(seed) + "}}]}";
}

std::vector<unsigned char> listBytes(KvnServerHandle server, std::uint16_t options) {
  const FaxListFetch list(server, "BULK", options);
  EXPECT_EQ(list.error(), 0);
  std::vector<unsigned char> bytes;
  for (const unsigned char* entry : walkList(list.handle()).entries) {
    bytes.insert(bytes.end(), entry, entry + kvn::fax_entry::kSize);
  }
  return bytes;
}

TEST(FaxGeneratorTest, AMillionFaxesFollowTheExplicitOnes) {
  const TempFolder folder;
  const Connection connection(folder.write("bulk.json", generatingServer(1000000, 7)));
  ASSERT_EQ(connection.error(), 0);
  const FaxListFetch list(connection.handle(), "BULK", KvnEveryFolderMask);
  ASSERT_EQ(list.error(), 0);
  const Walk walk = walkList(list.handle());
  ASSERT_EQ(walk.entries.size(), 1000002U);
  EXPECT_EQ(walk.endStatus, 11060);
  const std::vector<std::uint32_t> handles = faxHandles(walk);
  EXPECT_EQ(handles[0], 2U);
  EXPECT_EQ(handles[1], 3U);
  // The second user's block of handles, in order.
  for (std::size_t i = 2; i < handles.size(); ++i) {
    ASSERT_EQ(handles[i], kFirstGeneratedHandle + kHandlesPerUser + (i - 2)) << "entry " << i;
  }
}

TEST(FaxGeneratorTest, MainFolderListHoldsTheGeneratedFaxesOfFolderZero) {
  const TempFolder folder;
  const Connection connection(folder.write("bulk.json", generatingServer(5000, 11)));
  const std::vector<unsigned char> every = listBytes(connection.handle(), KvnEveryFolderMask);
  const std::vector<unsigned char> mainOnly = listBytes(connection.handle(), KvnMainFolderMask);
  std::vector<unsigned char> everyInFolderZero;
  std::set<std::uint16_t> folders;
  for (std::size_t at = 0; at < every.size(); at += kvn::fax_entry::kSize) {
    const kvn::FaxListEntryView entry(every.data() + at);
    folders.insert(entry.folder());
    if (entry.folder() == 0) {
      everyInFolderZero.insert(
          everyInFolderZero.end(), every.begin() + static_cast<std::ptrdiff_t>(at),
          every.begin() + static_cast<std::ptrdiff_t>(at + kvn::fax_entry::kSize));
    }
  }
  EXPECT_EQ(mainOnly, everyInFolderZero);
  EXPECT_GT(folders.size(), 1U) << "generated faxes should spread over folders";
  EXPECT_LT(mainOnly.size(), every.size());
}

TEST(FaxGeneratorTest, SameSeedGivesTheSameFaxesAndAnotherSeedOthers) {
  const TempFolder folder;
  const Connection first(folder.write("first.json", generatingServer(300, 42)));
  const Connection again(folder.write("again.json", generatingServer(300, 42)));
  const Connection other(folder.write("other.json", generatingServer(300, 43)));
  const std::vector<unsigned char> firstBytes = listBytes(first.handle(), KvnEveryFolderMask);
  EXPECT_EQ(firstBytes.size(), 302 * kvn::fax_entry::kSize);
  EXPECT_EQ(firstBytes, listBytes(again.handle(), KvnEveryFolderMask));
  EXPECT_NE(firstBytes, listBytes(other.handle(), KvnEveryFolderMask));

  for (const std::uint32_t position : {0U, 1U, 299U}) {
    const std::uint32_t handle = kFirstGeneratedHandle + kHandlesPerUser + position;
    std::array<unsigned char, kvn::extended_fax::kSize> a{};
    std::array<unsigned char, kvn::extended_fax::kSize> b{};
    ASSERT_EQ(KvnLoadFax3(first.handle(), handle, 0, 3, 0, a.data(), 11), 0);
    ASSERT_EQ(KvnLoadFax3(again.handle(), handle, 0, 3, 0, b.data(), 11), 0);
    EXPECT_EQ(a, b) << "position " << position;
  }
}

TEST(FaxGeneratorTest, GeneratedFaxesAreWellFormed) {
  const TempFolder folder;
  const Connection connection(folder.write("bulk.json", generatingServer(2000, 3)));
  const FaxListFetch list(connection.handle(), "BULK", KvnEveryFolderMask);
  const Walk walk = walkList(list.handle());
  ASSERT_EQ(walk.entries.size(), 2002U);
  std::set<std::string> uniqueIds;
  std::uint32_t received = 0;
  for (std::size_t i = 2; i < walk.entries.size(); ++i) {
    const kvn::FaxListEntryView entry(walk.entries[i]);
    const std::string uniqueId(entry.uniqueId());
    EXPECT_FALSE(uniqueId.empty());
    EXPECT_LE(uniqueId.size(), 15U);
    uniqueIds.insert(uniqueId);
    received += entry.hasFlag(kvn::FaxFlagReceived) ? 1 : 0;
    EXPECT_GT(entry.pages(), 0);
    EXPECT_EQ(entry.faxUserId(), "BULK");

    std::array<unsigned char, kvn::extended_fax::kSize> record{};
    ASSERT_EQ(KvnLoadFax3(connection.handle(), entry.faxHandle(), 0, 3, 0, record.data(), 11), 0);
    const kvn::ExtendedFaxView details(record.data());
    EXPECT_EQ(details.pages(), static_cast<std::uint16_t>(entry.pages()));
    EXPECT_EQ(details.folder(), entry.folder());
    EXPECT_EQ(details.ownerId(), "BULK");
    EXPECT_FALSE(details.faxFile().empty());
  }
  EXPECT_EQ(uniqueIds.size(), 2000U);
  EXPECT_GT(received, 0U);
  EXPECT_LT(received, 2000U);
}

TEST(FaxGeneratorTest, HandlesBeyondTheCountAreUnknown) {
  const TempFolder folder;
  const Connection connection(folder.write("bulk.json", generatingServer(10, 3)));
  const std::pair<std::uint32_t, std::int32_t> cases[] = {
      {kFirstGeneratedHandle + kHandlesPerUser + 9, 0},
      {kFirstGeneratedHandle + kHandlesPerUser + 10, 11050},
      {kFirstGeneratedHandle, 11050},  // the first user generates none
      {kFirstGeneratedHandle + 2 * kHandlesPerUser, 11050},
      {0xFFFFFFFF, 11050},
  };
  for (const auto& [handle, expected] : cases) {
    std::array<unsigned char, kvn::extended_fax::kSize> record{};
    EXPECT_EQ(KvnLoadFax3(connection.handle(), handle, 0, 3, 0, record.data(), 11), expected)
        << std::hex << handle;
  }
}

}  // namespace
}  // namespace kvnsim::test
