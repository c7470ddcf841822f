// The embedded demo server: consistent enough that a listing of it, in any
// mode, shows every kind of fax without a failure.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>

#include "test_servers.h"

namespace kvnsim::test {
namespace {

TEST(DemoServerTest, ServerObservesDaylightSavingTime) {
  const Connection demo("demo");
  ASSERT_EQ(demo.error(), 0);
  EXPECT_EQ(KvnVersionCheck(demo.handle(), KvnRequiredRelease, 0), 0);
  std::array<unsigned char, kvn::server_info::kSize> record{};
  ASSERT_EQ(KvnGetServerInfo2(demo.handle(), record.data()), 0);
  const kvn::ServerInfoView info(record.data());
  EXPECT_TRUE(info.timeZoneState() == kvn::server_info::kStandardTime ||
              info.timeZoneState() == kvn::server_info::kDaylightTime);
  EXPECT_NE(info.daylightBias(), info.standardBias());
}

TEST(DemoServerTest, EveryUserAndEveryFaxCanBeLoaded) {
  const Connection demo("demo");
  ASSERT_EQ(demo.error(), 0);
  std::set<std::string> uniqueIds;
  std::set<std::uint16_t> folders;
  std::uint32_t allFlags = 0;
  bool sawError = false;
  bool sawFine = false;
  bool sawCover = false;
  for (const char* userId : {"ALICE", "BOB", "FRONTDESK"}) {
    SCOPED_TRACE(userId);
    std::array<unsigned char, kvn::user_record::kSize> user{};
    ASSERT_EQ(KvnLoadUser3(demo.handle(), 1, 0, userId, 0, 0, 0, 0, 11, user.data()), 0);
    const kvn::UserRecordView view(user.data());
    EXPECT_EQ(view.qualifier(), "KAVRIN");
    EXPECT_EQ(view.userId(), userId);
    EXPECT_FALSE(view.userName().empty());

    const FaxListFetch every(demo.handle(), userId, KvnEveryFolderMask);
    const FaxListFetch mainOnly(demo.handle(), userId, KvnMainFolderMask);
    ASSERT_EQ(every.error(), 0);
    const Walk walk = walkList(every.handle());
    EXPECT_LE(walkList(mainOnly.handle()).entries.size(), walk.entries.size());
    for (const unsigned char* bytes : walk.entries) {
      const kvn::FaxListEntryView entry(bytes);
      EXPECT_LE(entry.uniqueId().size(), 15U);
      EXPECT_TRUE(uniqueIds.insert(std::string(entry.uniqueId())).second) << entry.uniqueId();
      folders.insert(entry.folder());
      allFlags |= entry.flags();
      sawError = sawError || entry.errorCode() != 0;
      sawFine = sawFine || entry.fine();
      sawCover = sawCover || entry.cover();

      std::array<unsigned char, kvn::extended_fax::kSize> record{};
      ASSERT_EQ(KvnLoadFax3(demo.handle(), entry.faxHandle(), 0, 3, 0, record.data(), 11), 0);
      const kvn::ExtendedFaxView details(record.data());
      EXPECT_EQ(details.ownerId(), userId);
      EXPECT_EQ(details.folder(), entry.folder());
      EXPECT_FALSE(details.faxFile().empty());
    }
  }
  EXPECT_GE(uniqueIds.size(), 24U);
  EXPECT_GE(folders.size(), 3U);
  EXPECT_TRUE(folders.contains(0));
  const std::uint32_t everyFlag = kvn::FaxFlagHeld | kvn::FaxFlagViewed | kvn::FaxFlagDeleted |
                                  kvn::FaxFlagReceived | kvn::FaxFlagForwarded |
                                  kvn::FaxFlagPrinted | kvn::FaxFlagApproved | kvn::FaxFlagUser1 |
                                  kvn::FaxFlagUser2;
  EXPECT_EQ(allFlags & everyFlag, everyFlag);
  EXPECT_TRUE(sawError);
  EXPECT_TRUE(sawFine);
  EXPECT_TRUE(sawCover);
}

}  // namespace
}  // namespace kvnsim::test
