// Connecting: which server a host text means, scripted connection failures,
// the release check, the version stamp and the per-connection faults.
#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <string>

#include "test_servers.h"

namespace kvnsim::test {
namespace {

constexpr std::int32_t kServerNotFound = 11001;
constexpr std::int32_t kReleaseTooOld = 11010;

std::string serverTextOf(KvnServerHandle server) {
  std::array<unsigned char, kvn::server_info::kSize> record{};
  EXPECT_EQ(KvnGetServerInfo2(server, record.data()), 0);
  return std::string(kvn::ServerInfoView(record.data()).serverText());
}

TEST(ConnectionTest, DemoHostIsTheEmbeddedServer) {
  const Connection demo("demo");
  ASSERT_EQ(demo.error(), 0);
  EXPECT_NE(demo.handle(), 0U);
  EXPECT_EQ(serverTextOf(demo.handle()), "Kavrin 5.30 on FAXSRV01");
}

TEST(ConnectionTest, HostThatNamesAFileIsServedFromIt) {
  const TempFolder folder;
  const std::string file = folder.write("site.json", R"({"serverText": "From a file"})");
  const Connection connection(file);
  ASSERT_EQ(connection.error(), 0);
  EXPECT_EQ(serverTextOf(connection.handle()), "From a file");
}

TEST(ConnectionTest, HostIsLookedUpInTheServersFolder) {
  const TempFolder folder;
  folder.write("faxsrv02.json", R"({"serverText": "From the servers folder"})");
  const ScopedEnvironment servers("KVNSIM_SERVERS", folder.path().string());
  const Connection connection("faxsrv02");
  ASSERT_EQ(connection.error(), 0);
  EXPECT_EQ(serverTextOf(connection.handle()), "From the servers folder");
}

TEST(ConnectionTest, UnknownHostIsNotFound) {
  const TempFolder folder;
  const ScopedEnvironment servers("KVNSIM_SERVERS", folder.path().string());
  const std::string hosts[] = {"faxsrv99", (folder.path() / "missing.json").string(),
                               folder.path().string(), ""};
  for (const std::string& host : hosts) {
    SCOPED_TRACE(host);
    const Connection connection(host);
    EXPECT_EQ(connection.handle(), 0U);
    EXPECT_EQ(connection.error(), kServerNotFound);
    EXPECT_EQ(errorText(kServerNotFound), "Kavrin server not found: " + host);
  }
}

TEST(ConnectionTest, NullHostIsNotFoundAndNullErrorAddressIsTolerated) {
  std::int32_t error = 0;
  EXPECT_EQ(KvnCreateServerHandle(nullptr, 4, &error), 0U);
  EXPECT_EQ(error, kServerNotFound);
  const KvnServerHandle demo = KvnCreateServerHandle("demo", 4, nullptr);
  EXPECT_NE(demo, 0U);
  KvnCloseServerHandle(demo);
}

TEST(ConnectionTest, HandlesOfOpenConnectionsDiffer) {
  const Connection first("demo");
  const Connection second("demo");
  EXPECT_NE(first.handle(), 0U);
  EXPECT_NE(second.handle(), 0U);
  EXPECT_NE(first.handle(), second.handle());
}

TEST(ConnectionTest, ConnectFaultFailsTheFirstAttemptsOfEachHostText) {
  struct Case {
    const char* fault;
    std::int32_t expectedError;
    int failingAttempts;  // of six
  };
  const Case cases[] = {
      {R"({"failures": 2})", 10060, 2},
      {R"({"failures": 4, "error": 10061})", 10061, 4},
      {R"({"failures": 0})", 0, 0},
      {R"({"failures": "always", "error": 12345})", 12345, 6},
      {R"({})", 10060, 6},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    const TempFolder folder;
    const std::string file =
        folder.write("flaky.json", std::string(R"({"faults": {"connect": )") + c.fault + "}}");
    for (int attempt = 1; attempt <= 6; ++attempt) {
      const Connection connection(file);
      const bool fails = attempt <= c.failingAttempts;
      EXPECT_EQ(connection.error(), fails ? c.expectedError : 0) << "attempt " << attempt;
      EXPECT_EQ(connection.handle() == 0, fails) << "attempt " << attempt;
    }
  }
}

TEST(ConnectionTest, ConnectAttemptsAreCountedPerHostText) {
  const TempFolder folder;
  const std::string file =
      folder.write("flaky.json", R"({"faults": {"connect": {"failures": 1}}})");
  const ScopedEnvironment servers("KVNSIM_SERVERS", folder.path().string());
  EXPECT_EQ(Connection(file).error(), 10060);
  EXPECT_EQ(Connection(file).error(), 0);
  // The same description under another host text has its own count.
  EXPECT_EQ(Connection("flaky").error(), 10060);
  EXPECT_EQ(Connection("flaky").error(), 0);
}

TEST(ConnectionTest, ReleaseCheckRefusesOlderReleases) {
  struct Case {
    const char* description;
    std::int32_t asked;
    std::int32_t expected;
  };
  const Case cases[] = {
      {R"({})", KvnRequiredRelease, 0},
      {R"({"release": "5.30"})", KvnRequiredRelease, 0},
      {R"({"release": "5.20"})", KvnRequiredRelease, 0},
      {R"({"release": "5.19"})", KvnRequiredRelease, kReleaseTooOld},
      {R"({"release": "4.90"})", KvnRequiredRelease, kReleaseTooOld},
      {R"({"release": "10.00"})", KvnRequiredRelease, 0},
      {R"({"release": 1312})", KvnRequiredRelease, 0},
      {R"({"release": 1311})", KvnRequiredRelease, kReleaseTooOld},
      {R"({"release": "5.30", "faults": {"releaseRefused": true}})", KvnRequiredRelease,
       kReleaseTooOld},
      {R"({"release": "5.30", "faults": {"releaseRefused": false}})", KvnRequiredRelease, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.description);
    const TempFolder folder;
    const Connection connection(folder.write("server.json", c.description));
    ASSERT_EQ(connection.error(), 0);
    EXPECT_EQ(KvnVersionCheck(connection.handle(), c.asked, 0), c.expected);
  }
}

TEST(ConnectionTest, VersionStampIsThatOfTheDescriptionReadLast) {
  const TempFolder folder;
  const std::string stamped = folder.write("stamped.json", R"({"apiVersion": 1230000000})");
  const std::string refusing =
      folder.write("refusing.json", R"({"apiVersion": 1231000000, "faults": {"connect": {}}})");
  const std::string plain = folder.write("plain.json", "{}");

  EXPECT_EQ(Connection(stamped).error(), 0);
  EXPECT_EQ(KvnGetAPIVersion(), 1230000000);
  // A refused attempt has read its description all the same.
  EXPECT_EQ(Connection(refusing).error(), 10060);
  EXPECT_EQ(KvnGetAPIVersion(), 1231000000);
  EXPECT_EQ(Connection(plain).error(), 0);
  EXPECT_EQ(KvnGetAPIVersion(), 1228149013);
}

TEST(ConnectionTest, VersionStampBeforeAnyDescriptionIsTheLibrarys) {
  // The library's state lives for the process, so look from a fresh one.
  GTEST_FLAG_SET(death_test_style, "threadsafe");
  EXPECT_EXIT(std::exit(KvnGetAPIVersion() == 1228149013 ? 0 : 1), testing::ExitedWithCode(0), "");
}

TEST(ConnectionTest, ServerInfoFaultFailsFromTheKthCallOnEachConnection) {
  struct Case {
    const char* fault;
    std::int32_t error;
    int firstFailingCall;
  };
  const Case cases[] = {
      {R"({})", 11030, 1},
      {R"({"failFrom": 1, "error": 777})", 777, 1},
      {R"({"failFrom": 3})", 11030, 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    const TempFolder folder;
    const std::string file =
        folder.write("server.json", std::string(R"({"faults": {"serverInfo": )") + c.fault + "}}");
    for (int connectionNumber = 0; connectionNumber < 2; ++connectionNumber) {
      const Connection connection(file);
      ASSERT_EQ(connection.error(), 0);
      for (int call = 1; call <= 4; ++call) {
        std::array<unsigned char, kvn::server_info::kSize> record{};
        EXPECT_EQ(KvnGetServerInfo2(connection.handle(), record.data()),
                  call >= c.firstFailingCall ? c.error : 0)
            << "call " << call;
      }
    }
  }
}

TEST(ConnectionTest, UserLookupAndFaxListFaults) {
  const TempFolder folder;
  const Connection connection(folder.write("server.json", R"({
    "faults": {"userLookup": {"error": 4711}, "faxList": {}},
    "users": [{"id": "ALICE"}]})"));
  ASSERT_EQ(connection.error(), 0);
  std::array<unsigned char, kvn::user_record::kSize> user{};
  EXPECT_EQ(KvnLoadUser3(connection.handle(), 1, 0, "ALICE", 0, 0, 0, 0, 11, user.data()), 4711);
  const FaxListFetch list(connection.handle(), "ALICE", KvnMainFolderMask);
  EXPECT_EQ(list.error(), 11040);
}

TEST(ConnectionTest, UserLookupIgnoresTheCaseOfAsciiLetters) {
  const TempFolder folder;
  const Connection connection(
      folder.write("server.json", R"({"users": [{"id": "Front.Desk", "name": "Reception"}]})"));
  struct Case {
    const char* id;
    std::int32_t expected;
  };
  const Case cases[] = {{"Front.Desk", 0},     {"FRONT.DESK", 0},    {"front.desk", 0},
                        {"front_desk", 11020}, {"Front.Des", 11020}, {"", 11020}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.id);
    std::array<unsigned char, kvn::user_record::kSize> user{};
    EXPECT_EQ(KvnLoadUser3(connection.handle(), 1, 0, c.id, 0, 0, 0, 0, 11, user.data()),
              c.expected);
    if (c.expected == 0) {
      EXPECT_EQ(kvn::UserRecordView(user.data()).userId(), "Front.Desk");
    }
  }
}

}  // namespace
}  // namespace kvnsim::test
