#include "kvnprogram/kvn_program.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "captured_stream.h"
#include "fake_sleep.h"
#include "temp_folder.h"

namespace kvn {
namespace {

// Exposes the connection's state to the tests.
class InspectableProgram : public KvnProgram {
 public:
  using KvnProgram::KvnProgram;
  using KvnProgram::lastError;
  using KvnProgram::serverHandle;
  using KvnProgram::serverInfoText;
  using KvnProgram::serverName;
  using KvnProgram::stamp;
  using KvnProgram::tzOffset;
  using KvnProgram::userID;
  using KvnProgram::userName;
  using KvnProgram::userQualifier;
};

// Writes server descriptions into a folder of its own and captures what a
// connection prints.
class KvnProgramTest : public testing::Test {
 protected:
  void SetUp() override { kvnFakeSleepReset(); }

  // Returns the host text that names the description.
  std::string describe(const std::string& name, const std::string& json) {
    return folder_.write(name + ".json", json);
  }

  std::string printed() { return consoleStream_.written(); }

  test::TempFolder folder_;
  test::CapturedStream consoleStream_;
  std::FILE* console_ = consoleStream_.get();
};

const char* const kUsers = R"("users": [{"qualifier": "KAVRIN", "id": "ALICE", "name": "Alice"}])";

TEST_F(KvnProgramTest, ConstructionPrintsTheApiVersionOnce) {
  InspectableProgram program(console_);
  EXPECT_EQ(printed(), "Kavrin API version: 12/01/2008 16:30:13Z\n");
  EXPECT_EQ(program.stamp, KvnProgram::kLiveStamp);
  EXPECT_EQ(program.serverHandle, 0U);
}

struct OffsetCase {
  const char* timeZone;
  std::int32_t tzOffset;
};

class TimeZoneOffsetTest : public KvnProgramTest, public testing::WithParamInterface<OffsetCase> {};

TEST_P(TimeZoneOffsetTest, FollowsTheServersTimeZoneState) {
  const std::string host = describe(
      "zone", std::string(R"({"serverText": "zone", "timeZone": )") + GetParam().timeZone + "}");
  InspectableProgram program(console_);
  ASSERT_TRUE(program.connect(host.c_str()));
  EXPECT_EQ(program.tzOffset, GetParam().tzOffset);
}

INSTANTIATE_TEST_SUITE_P(
    KvnProgram, TimeZoneOffsetTest,
    testing::Values(
        OffsetCase{R"({"state": 2, "bias": 300, "standardBias": 0, "daylightBias": -60})", 18000},
        OffsetCase{R"({"state": 3, "bias": 300, "standardBias": 0, "daylightBias": -60})", 14400},
        OffsetCase{R"({"state": 2, "bias": -60, "standardBias": -30, "daylightBias": 7})", -5400},
        OffsetCase{R"({"state": 1, "bias": 300, "standardBias": 10, "daylightBias": -60})", 0},
        OffsetCase{R"({"state": 0, "bias": 300, "standardBias": 10, "daylightBias": -60})", 0},
        OffsetCase{R"({"state": -3, "bias": 300, "standardBias": 10, "daylightBias": -60})", 0},
        // Biases far out of any real range wrap as 32-bit arithmetic does.
        OffsetCase{R"({"state": 2, "bias": 2147483647, "standardBias": 1, "daylightBias": 0})",
                   0}));

TEST_F(KvnProgramTest, FailedServerInformationReadKeepsTheFormerValues) {
  const std::string host = describe("later", R"({"serverText": "first read",
      "timeZone": {"state": 2, "bias": 60},
      "faults": {"serverInfo": {"failFrom": 2, "error": 4242}}})");
  InspectableProgram program(console_);
  ASSERT_TRUE(program.connect(host.c_str()));
  ASSERT_EQ(program.tzOffset, 3600);
  EXPECT_FALSE(program.getServerInfo());
  EXPECT_EQ(program.lastError, 4242);
  EXPECT_EQ(program.tzOffset, 3600);
  EXPECT_EQ(program.serverInfoText, "first read");
}

TEST_F(KvnProgramTest, ServerThatNeverAnswersIsTriedFiveTimesWithPauses) {
  const std::string host = describe("silent", R"({"errors": {"77": "No answer"},
      "faults": {"connect": {"failures": "always", "error": 77}}})");
  InspectableProgram program(console_);
  const std::string banner = printed();
  EXPECT_FALSE(program.connect(host.c_str()));
  std::string expected = banner + "Connecting to Kavrin server: " + host + "\n";
  for (int attempt = 1; attempt <= 5; ++attempt) {
    expected += "Connect(" + std::to_string(attempt) + ") to Kavrin server: " + host + "\n";
    expected += "Connect failed to Kavrin server: " + host + ", error 77: No answer\n";
  }
  expected += "Can't connect to Kavrin server after 5 tries: " + host + "\n";
  EXPECT_EQ(printed(), expected);
  EXPECT_EQ(kvnFakeSleepCalls(), 5) << "a pause follows every failed attempt, the fifth included";
  EXPECT_EQ(kvnFakeSleepTotalMilliseconds(), 50000);
  EXPECT_EQ(program.serverHandle, 0U);
  EXPECT_EQ(program.lastError, 77);
}

TEST_F(KvnProgramTest, SuccessAtTheThirdAttemptPausesTwice) {
  const std::string host =
      describe("third", R"({"faults": {"connect": {"failures": 2, "error": 10060}}})");
  InspectableProgram program(console_);
  EXPECT_TRUE(program.connect(host.c_str()));
  EXPECT_EQ(kvnFakeSleepCalls(), 2);
  EXPECT_NE(program.serverHandle, 0U);
  EXPECT_EQ(program.lastError, 0);
  EXPECT_EQ(program.serverName, host);
  const std::string output = printed();
  EXPECT_NE(output.find("Connect(3) to Kavrin server: " + host +
                        "\nConnected to Kavrin server:  " + host + "\n"),
            std::string::npos)
      << output;
  EXPECT_EQ(output.find("Connect(4)"), std::string::npos);
}

TEST_F(KvnProgramTest, LibraryErrorTextIsCutTo500Characters) {
  const std::string longText(700, 'x');
  const std::string host = describe("long", R"({"errors": {"31": ")" + longText + R"("},
      "faults": {"connect": {"failures": 1, "error": 31}}})");
  InspectableProgram program(console_);
  ASSERT_TRUE(program.connect(host.c_str()));
  EXPECT_NE(printed().find(", error 31: " + std::string(500, 'x') + "\n"), std::string::npos);
  program.lastError = 31;
  EXPECT_EQ(std::string(program.errorText()), std::string(500, 'x'));
}

TEST_F(KvnProgramTest, RefusedReleaseStaysConnectedAndDisconnectShowsNoServerText) {
  const std::string host =
      describe("old", R"({"serverText": "old one", "faults": {"releaseRefused": true}})");
  InspectableProgram program(console_);
  const std::string banner = printed();
  EXPECT_FALSE(program.connect(host.c_str()));
  EXPECT_NE(program.serverHandle, 0U);
  EXPECT_FALSE(program.serverInfoText.has_value());
  program.disconnect();
  EXPECT_EQ(program.serverHandle, 0U);
  EXPECT_EQ(printed(), banner + "Connecting to Kavrin server: " + host +
                           "\nConnect(1) to Kavrin server: " + host +
                           "\nConnected to Kavrin server:  " + host +
                           "\nIncompatible Kavrin server release, need 5.20\n"
                           "Disconnect from Kavrin server: " +
                           host + ", -\nDisconnected\n");
}

TEST_F(KvnProgramTest, DisconnectWhenNotConnectedWritesNothing) {
  InspectableProgram program(console_);
  const std::string banner = printed();
  program.disconnect();
  EXPECT_EQ(printed(), banner);
}

TEST_F(KvnProgramTest, DestructionDisconnects) {
  const std::string host = describe("bye", R"({"serverText": "bye"})");
  {
    InspectableProgram program(console_);
    ASSERT_TRUE(program.connect(host.c_str()));
  }
  const std::string output = printed();
  EXPECT_NE(output.find("Disconnect from Kavrin server: " + host + ", bye\nDisconnected\n"),
            std::string::npos)
      << output;
}

TEST_F(KvnProgramTest, LoadUserCopiesTheServersSpelling) {
  const std::string host = describe("users", std::string("{") + kUsers + "}");
  InspectableProgram program(console_);
  ASSERT_TRUE(program.connect(host.c_str()));
  ASSERT_TRUE(program.loadUser("alice"));
  EXPECT_EQ(program.userID, "ALICE");
  EXPECT_EQ(program.userName, "Alice");
  EXPECT_EQ(program.userQualifier, "KAVRIN");
  EXPECT_FALSE(program.loadUser("nobody"));
  EXPECT_NE(program.lastError, 0);
  EXPECT_EQ(program.userID, "ALICE") << "a failed lookup keeps the former user";
}

TEST_F(KvnProgramTest, UnterminatedUserTextsAreReadToTheirRoomOnly) {
  const std::string host = describe("full", R"({"users": [{
      "qualifier": "QQQQQQQQQQQQQQQQQQQQQQQQQQQQQQ",
      "id": "IIIIIIIIIIIIIIIIIIIIIIIIIIIIII", "name": "N"}]})");
  InspectableProgram program(console_);
  ASSERT_TRUE(program.connect(host.c_str()));
  ASSERT_TRUE(program.loadUser("iiiiiiiiiiiiiiiiiiiiiiiiiiiiii"));
  EXPECT_EQ(program.userQualifier, std::string(26, 'Q'));
  EXPECT_EQ(program.userID, std::string(22, 'I'));
  EXPECT_EQ(program.userName, "N");
}

}  // namespace
}  // namespace kvn
