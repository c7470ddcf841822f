// Calls with handles that are 0, never handed out, closed, or of the other
// kind answer "Invalid handle" and touch nothing.
#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "test_servers.h"

namespace kvnsim::test {
namespace {

constexpr std::int32_t kInvalidHandle = 11003;

std::int32_t byTime(const void* /*a*/, const void* /*b*/) {
  return 0;
}

// Every call that takes a server handle, with the status it returned.
std::vector<std::int32_t> serverCalls(KvnServerHandle server) {
  std::vector<unsigned char> record(4096, 0);
  KvnListHandle list = 0;
  return {
      KvnVersionCheck(server, KvnRequiredRelease, 0),
      KvnGetServerInfo2(server, record.data()),
      KvnLoadUser3(server, 1, 0, "ALICE", 0, 0, 0, 0, 11, record.data()),
      KvnGetFaxList(server, "ALICE", 1, KvnEveryFolderMask, 0, &list),
      KvnLoadFax3(server, 0x1000, 0, 3, 0, record.data(), 11),
  };
}

// Every call that takes a list handle, with the status it returned.
std::vector<std::int32_t> listCalls(KvnListHandle list) {
  void* element = nullptr;
  return {
      KvnListSort(list, byTime),
      KvnListGetFirstElementPtr(list, &element),
      KvnListGetNextElementPtr(list, &element),
  };
}

TEST(InvalidHandlesTest, EveryCallRejectsHandlesItDidNotHandOut) {
  const std::vector<std::int32_t> allInvalid(5, kInvalidHandle);
  const std::vector<std::int32_t> allListInvalid(3, kInvalidHandle);

  KvnServerHandle closedServer = 0;
  KvnListHandle closedList = 0;
  {
    const Connection demo("demo");
    closedServer = demo.handle();
    ASSERT_EQ(KvnGetFaxList(demo.handle(), "ALICE", 1, KvnEveryFolderMask, 0, &closedList), 0);
    KvnCloseListHandle(closedList);
  }
  const Connection open("demo");
  const FaxListFetch openList(open.handle(), "ALICE", KvnEveryFolderMask);
  ASSERT_EQ(openList.error(), 0);

  const std::pair<const char*, KvnServerHandle> servers[] = {{"zero", 0},
                                                             {"never handed out", 0xDEADBEEF},
                                                             {"closed", closedServer},
                                                             {"a list handle", openList.handle()}};
  for (const auto& [name, handle] : servers) {
    SCOPED_TRACE(name);
    EXPECT_EQ(serverCalls(handle), allInvalid);
    KvnCloseServerHandle(handle);
  }
  const std::pair<const char*, KvnListHandle> lists[] = {{"zero", 0},
                                                         {"never handed out", 0xDEADBEEF},
                                                         {"closed", closedList},
                                                         {"a server handle", open.handle()}};
  for (const auto& [name, handle] : lists) {
    SCOPED_TRACE(name);
    EXPECT_EQ(listCalls(handle), allListInvalid);
    KvnCloseListHandle(handle);
  }
  // Closing with wrong handles left the open ones alone.
  EXPECT_EQ(KvnVersionCheck(open.handle(), KvnRequiredRelease, 0), 0);
  EXPECT_FALSE(walkList(openList.handle()).entries.empty());
  EXPECT_EQ(errorText(kInvalidHandle), "Invalid handle");
}

TEST(InvalidHandlesTest, NullRecordsAndAddressesAreRefused) {
  const Connection demo("demo");
  KvnListHandle list = 0;
  EXPECT_EQ(KvnGetServerInfo2(demo.handle(), nullptr), 11030);
  EXPECT_EQ(KvnLoadUser3(demo.handle(), 1, 0, "ALICE", 0, 0, 0, 0, 11, nullptr), 11020);
  EXPECT_EQ(KvnGetFaxList(demo.handle(), "ALICE", 1, KvnEveryFolderMask, 0, nullptr), 11040);
  ASSERT_EQ(KvnGetFaxList(demo.handle(), "ALICE", 1, KvnEveryFolderMask, 0, &list), 0);
  EXPECT_EQ(KvnListSort(list, nullptr), 11041);
  EXPECT_EQ(KvnListGetFirstElementPtr(list, nullptr), 11042);
  EXPECT_EQ(KvnLoadFax3(demo.handle(), 0x1000, 0, 3, 0, nullptr, 11), 11050);
  KvnCloseListHandle(list);
}

}  // namespace
}  // namespace kvnsim::test
