// The texts of error codes, and how KvnStringKvnErr copies them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "test_servers.h"

namespace kvnsim::test {
namespace {

TEST(ErrorTextTest, LibraryTexts) {
  const TempFolder folder;
  ASSERT_EQ(Connection(folder.write("plain.json", "{}")).error(), 0);
  const std::pair<std::int32_t, const char*> cases[] = {
      {10060, "Connection timed out"}, {10061, "Connection refused"},
      {11003, "Invalid handle"},       {11010, "Kavrin server release is too old"},
      {11020, "User not found"},       {11030, "Can't read server information"},
      {11040, "Can't read fax list"},  {11041, "Can't sort fax list"},
      {11042, "Fax list read error"},  {11050, "Can't read fax"},
      {11060, "End of list"},          {4242, "Kavrin error 4242"},
      {0, "Kavrin error 0"},           {-7, "Kavrin error -7"},
  };
  for (const auto& [code, text] : cases) {
    EXPECT_EQ(errorText(code), text) << code;
  }
}

TEST(ErrorTextTest, TextsOfTheDescriptionReadLastReplaceTheLibrarys) {
  const TempFolder folder;
  const std::string first = folder.write("first.json", R"({"errors": {
      "10060": "Timed out waiting for FAXSRV01", "31000": "Fax file missing",
      "-2": {"hex": "4F6F7073"}, "4294967295": "minus one", "11001": "not used"}})");
  const std::string second = folder.write("second.json", R"({"errors": {"31001": "Other"}})");
  const ScopedEnvironment servers("KVNSIM_SERVERS", folder.path().string());

  ASSERT_EQ(Connection(first).error(), 0);
  EXPECT_EQ(errorText(10060), "Timed out waiting for FAXSRV01");
  EXPECT_EQ(errorText(31000), "Fax file missing");
  EXPECT_EQ(errorText(-2), "Oops");
  EXPECT_EQ(errorText(-1), "minus one");
  EXPECT_EQ(errorText(11020), "User not found");
  // 11001 always tells which host was not found.
  EXPECT_EQ(Connection("no-such-host").error(), 11001);
  EXPECT_EQ(errorText(11001), "Kavrin server not found: no-such-host");

  ASSERT_EQ(Connection(second).error(), 0);
  EXPECT_EQ(errorText(10060), "Connection timed out");
  EXPECT_EQ(errorText(31000), "Kavrin error 31000");
  EXPECT_EQ(errorText(31001), "Other");
}

TEST(ErrorTextTest, FailureTextsNameTheLatestFailure) {
  const TempFolder folder;
  const std::string bad = folder.write("bad.json", R"({"users": 5})");
  const ScopedEnvironment servers("KVNSIM_SERVERS", folder.path().string());
  EXPECT_EQ(Connection("first-missing").error(), 11001);
  EXPECT_EQ(Connection("second-missing").error(), 11001);
  EXPECT_EQ(Connection(bad).error(), 11002);
  EXPECT_EQ(errorText(11001), "Kavrin server not found: second-missing");
  EXPECT_EQ(errorText(11002),
            "Bad server description " + bad + ": users: expected an array, found an integer");
}

TEST(ErrorTextTest, CopiesAsStrncpyDoes) {
  const std::string longText(600, 'L');
  const TempFolder folder;
  ASSERT_EQ(Connection(folder.write("long.json", R"({"errors": {"12345": ")" + longText +
                                                     R"(", "12346": "Short"}})"))
                .error(),
            0);
  // The only size accepted is that of the program's buffer (fixed_arguments_test).
  constexpr std::int32_t kSize = 501;
  struct Case {
    std::int32_t code;
    std::string expected;  // the buffer's first kSize bytes afterwards
  };
  const Case cases[] = {
      {12345, std::string(kSize, 'L')},                 // no terminator: the caller adds its own
      {12346, "Short" + std::string(kSize - 5, '\0')},  // padded with zeros
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.code);
    std::vector<char> buffer(700, '#');
    EXPECT_EQ(KvnStringKvnErr(c.code, buffer.data(), kSize), 0);
    EXPECT_EQ(std::string(buffer.data(), kSize), c.expected);
    EXPECT_EQ(std::string(buffer.begin() + kSize, buffer.end()), std::string(700 - kSize, '#'))
        << "wrote past size";
  }
  EXPECT_EQ(KvnStringKvnErr(12346, nullptr, kSize), 0);
}

}  // namespace
}  // namespace kvnsim::test
