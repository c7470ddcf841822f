// Fetching, sorting and walking a fax list, and loading the faxes in it.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "test_servers.h"

namespace kvnsim::test {
namespace {

using Handles = std::vector<std::uint32_t>;

// Faxes of one user in handle order, out of time order, with two pairs of
// equal times, across folders 0, 1, 2 and 12.
constexpr const char* kMixedFolders = R"({"users": [
  {"id": "OTHER", "faxes": [{"handle": 1, "time": 50}]},
  {"id": "ALICE", "faxes": [
    {"handle": 16, "time": 300, "folder": 0},
    {"handle": 17, "time": 100, "folder": 1},
    {"handle": 18, "time": 200, "folder": 0},
    {"handle": 19, "time": 100, "folder": 0},
    {"handle": 20, "time": 400, "folder": 12},
    {"handle": 21, "time": 200, "folder": 2},
    {"handle": 22, "time": -100, "folder": 0}]}]})";

std::int32_t byTime(const void* a, const void* b) {
  const std::int32_t timeA = kvn::FaxListEntryView(a).time();
  const std::int32_t timeB = kvn::FaxListEntryView(b).time();
  return timeA < timeB ? -1 : timeA > timeB ? 1 : 0;
}

std::int32_t byTimeNewestFirst(const void* a, const void* b) {
  return -byTime(a, b);
}

std::int32_t allEqual(const void* /*a*/, const void* /*b*/) {
  return 0;
}

class FaxListTest : public testing::Test {
 protected:
  FaxListTest() : connection_(folder_.write("server.json", kMixedFolders)) {}

  KvnServerHandle server() const { return connection_.handle(); }

 private:
  TempFolder folder_;
  Connection connection_;
};

TEST_F(FaxListTest, OptionMaskSelectsFolders) {
  struct Case {
    std::uint16_t options;
    std::int32_t expectedError;
    Handles expected;
  };
  const Case cases[] = {
      {KvnMainFolderMask, 0, {16, 18, 19, 22}},
      {KvnEveryFolderMask, 0, {16, 17, 18, 19, 20, 21, 22}},
      {0x0000, 11040, {}},
      {0xFFFE, 11040, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.options);
    const FaxListFetch list(server(), "ALICE", c.options);
    ASSERT_EQ(list.error(), c.expectedError);
    if (c.expectedError == 0) {
      EXPECT_NE(list.handle(), 0U);
      EXPECT_EQ(faxHandles(walkList(list.handle())), c.expected);
    }
  }
}

TEST_F(FaxListTest, UserIsFoundWithoutRegardToCase) {
  const FaxListFetch lower(server(), "alice", KvnEveryFolderMask);
  ASSERT_EQ(lower.error(), 0);
  EXPECT_EQ(walkList(lower.handle()).entries.size(), 7U);
  EXPECT_EQ(FaxListFetch(server(), "ALIC", KvnEveryFolderMask).error(), 11020);
  EXPECT_EQ(FaxListFetch(server(), nullptr, KvnEveryFolderMask).error(), 11020);
}

TEST_F(FaxListTest, EntriesLieInOneContiguousArray) {
  const FaxListFetch list(server(), "ALICE", KvnEveryFolderMask);
  const Walk walk = walkList(list.handle());
  ASSERT_EQ(walk.entries.size(), 7U);
  for (std::size_t i = 1; i < walk.entries.size(); ++i) {
    EXPECT_EQ(walk.entries[i] - walk.entries[0],
              static_cast<std::ptrdiff_t>(i * kvn::fax_entry::kSize));
  }
}

TEST_F(FaxListTest, SortOrdersByTheCallersComparisonAndKeepsEqualsInListOrder) {
  struct Case {
    const char* name;
    KvnCompareFn compare;
    Handles expected;
  };
  const Case cases[] = {
      {"oldest first", byTime, {22, 17, 19, 18, 21, 16, 20}},
      {"newest first", byTimeNewestFirst, {20, 16, 18, 21, 17, 19, 22}},
      {"all equal", allEqual, {16, 17, 18, 19, 20, 21, 22}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const FaxListFetch list(server(), "ALICE", KvnEveryFolderMask);
    ASSERT_EQ(KvnListSort(list.handle(), c.compare), 0);
    EXPECT_EQ(faxHandles(walkList(list.handle())), c.expected);
  }
}

TEST_F(FaxListTest, SortedEntriesKeepAllTheirBytes) {
  const FaxListFetch list(server(), "ALICE", KvnEveryFolderMask);
  const Walk before = walkList(list.handle());
  std::vector<std::vector<unsigned char>> original;
  for (const unsigned char* entry : before.entries) {
    original.emplace_back(entry, entry + kvn::fax_entry::kSize);
  }
  ASSERT_EQ(KvnListSort(list.handle(), byTimeNewestFirst), 0);
  const Walk after = walkList(list.handle());
  ASSERT_EQ(after.entries.size(), original.size());
  // 20 was sixth of the original list (index 4), 22 its last.
  EXPECT_TRUE(std::equal(original[4].begin(), original[4].end(), after.entries[0]));
  EXPECT_TRUE(std::equal(original[6].begin(), original[6].end(), after.entries[6]));
}

TEST_F(FaxListTest, WalkEndsWithEndOfListAndRestartsAtFirst) {
  const FaxListFetch list(server(), "ALICE", KvnMainFolderMask);
  const Walk walk = walkList(list.handle());
  EXPECT_EQ(walk.entries.size(), 4U);
  EXPECT_EQ(walk.endStatus, 11060);
  void* element = nullptr;
  EXPECT_EQ(KvnListGetNextElementPtr(list.handle(), &element), 11060);
  EXPECT_EQ(faxHandles(walkList(list.handle())), (Handles{16, 18, 19, 22}));
}

TEST_F(FaxListTest, EmptyListEndsAtOnce) {
  const FaxListFetch list(server(), "OTHER", KvnEveryFolderMask);
  ASSERT_EQ(list.error(), 0);
  const FaxListFetch mainOnly(server(), "OTHER", KvnMainFolderMask);
  EXPECT_EQ(walkList(mainOnly.handle()).entries.size(), 1U);
  const TempFolder folder;
  const Connection empty(folder.write("empty.json", R"({"users": [{"id": "NOBODY"}]})"));
  const FaxListFetch none(empty.handle(), "NOBODY", KvnEveryFolderMask);
  ASSERT_EQ(none.error(), 0);
  const Walk walk = walkList(none.handle());
  EXPECT_TRUE(walk.entries.empty());
  EXPECT_EQ(walk.endStatus, 11060);
  EXPECT_EQ(KvnListSort(none.handle(), byTime), 0);
}

TEST(FaxListFaultTest, WalkFaultEndsTheWalkAfterKEntries) {
  struct Case {
    const char* fault;
    std::size_t delivered;
    std::int32_t endStatus;
  };
  const Case cases[] = {
      {R"({"failAfter": 0})", 0, 11042},
      {R"({"failAfter": 2, "error": 999})", 2, 999},
      {R"({"failAfter": 3})", 3, 11042},
      {R"({"failAfter": 4})", 3, 11060},  // the list ends first
      {R"({})", 0, 11042},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    const TempFolder folder;
    const Connection connection(
        folder.write("server.json", std::string(R"({"faults": {"walk": )") + c.fault +
                                        R"(}, "users": [{"id": "U", "faxes": [{}, {}, {}]}]})"));
    const FaxListFetch list(connection.handle(), "U", KvnEveryFolderMask);
    ASSERT_EQ(list.error(), 0);
    const Walk walk = walkList(list.handle());
    EXPECT_EQ(walk.entries.size(), c.delivered);
    EXPECT_EQ(walk.endStatus, c.endStatus);
  }
}

TEST(FaxListFaultTest, SortFaultLeavesTheListAsItWas) {
  const TempFolder folder;
  const Connection connection(folder.write("server.json", R"({"faults": {"sort": {}},
    "users": [{"id": "U", "faxes": [{"time": 3}, {"time": 1}, {"time": 2}]}]})"));
  const FaxListFetch list(connection.handle(), "U", KvnEveryFolderMask);
  EXPECT_EQ(KvnListSort(list.handle(), byTime), 11041);
  EXPECT_EQ(faxHandles(walkList(list.handle())), (Handles{0x1000, 0x1001, 0x1002}));
}

TEST(FaxListFaultTest, DefaultHandlesCountExplicitFaxesAcrossUsers) {
  const TempFolder folder;
  const Connection connection(folder.write("server.json", R"({"users": [
    {"id": "A", "faxes": [{}, {"handle": 7}]}, {"id": "B", "faxes": [{}, {}]}]})"));
  const FaxListFetch listA(connection.handle(), "A", KvnEveryFolderMask);
  const FaxListFetch listB(connection.handle(), "B", KvnEveryFolderMask);
  EXPECT_EQ(faxHandles(walkList(listA.handle())), (Handles{0x1000, 7}));
  EXPECT_EQ(faxHandles(walkList(listB.handle())), (Handles{0x1002, 0x1003}));
}

TEST(LoadFaxTest, LoadsAnyFaxOfTheServerAndFailsForScriptedOrUnknownHandles) {
  const TempFolder folder;
  const Connection connection(folder.write("server.json", R"({
    "faults": {"loadFax": {"handles": [4097, 99], "error": 31000}},
    "users": [{"id": "A", "faxes": [{"details": {"faxFile": "B0"}}, {"details": {"faxFile": "B1"}}]},
              {"id": "B", "faxes": [{"folder": 5, "details": {"faxFile": "B2"}}]}]})"));
  struct Case {
    std::uint32_t handle;
    std::int32_t expected;
    const char* faxFile;
  };
  const Case cases[] = {
      {0x1000, 0, "B0"}, {0x1001, 31000, ""}, {0x1002, 0, "B2"},
      {99, 31000, ""},   {0x1003, 11050, ""}, {0, 11050, ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.handle);
    std::array<unsigned char, kvn::extended_fax::kSize> record{};
    EXPECT_EQ(KvnLoadFax3(connection.handle(), c.handle, 0, 3, 0, record.data(), 11), c.expected);
    EXPECT_EQ(kvn::ExtendedFaxView(record.data()).faxFile(), c.faxFile);
  }
}

TEST(LoadFaxTest, FaxesOfAnotherServerAreUnknown) {
  const TempFolder folder;
  const Connection first(
      folder.write("first.json", R"({"users": [{"id": "A", "faxes": [{"handle": 5}]}]})"));
  const Connection second(folder.write("second.json", R"({"users": [{"id": "A"}]})"));
  std::array<unsigned char, kvn::extended_fax::kSize> record{};
  EXPECT_EQ(KvnLoadFax3(first.handle(), 5, 0, 3, 0, record.data(), 11), 0);
  EXPECT_EQ(KvnLoadFax3(second.handle(), 5, 0, 3, 0, record.data(), 11), 11050);
}

}  // namespace
}  // namespace kvnsim::test
