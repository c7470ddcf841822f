// Calls whose fixed arguments are not the values a program must pass are
// refused with 11004, whose text names the call, the argument and both values,
// so that a program passing a wrong one fails rather than going unnoticed.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "test_servers.h"

namespace kvnsim::test {
namespace {

constexpr std::int32_t kWrongConstant = 11004;

enum class Call { CreateServerHandle, VersionCheck, LoadUser3, GetFaxList, LoadFax3, StringKvnErr };

// One call with every fixed argument at the value a program must pass but the
// one at position `argument` (1-based), which gets `wrong`.
struct WrongCall {
  Call call;
  int argument;
  std::int32_t wrong;
  const char* text;
};

std::int32_t callWithOneWrong(const WrongCall& c, KvnServerHandle server, unsigned char* record,
                              KvnListHandle* list) {
  const auto at = [&c](int argument, std::int32_t right) {
    return argument == c.argument ? c.wrong : right;
  };
  switch (c.call) {
    case Call::CreateServerHandle: {
      std::int32_t error = 0;
      return KvnCreateServerHandle("demo", at(2, 4), &error) == 0 ? error : 0;
    }
    case Call::VersionCheck:
      return KvnVersionCheck(server, at(2, 0x520), at(3, 0));
    case Call::LoadUser3:
      return KvnLoadUser3(server, at(2, 1), at(3, 0), "ALICE", at(5, 0), at(6, 0), at(7, 0),
                          at(8, 0), at(9, 11), record);
    case Call::GetFaxList:
      return KvnGetFaxList(server, "ALICE", at(3, 1), KvnEveryFolderMask, at(5, 0), list);
    case Call::LoadFax3:
      return KvnLoadFax3(server, 0x1000, at(3, 0), at(4, 3), at(5, 0), record, at(7, 11));
    case Call::StringKvnErr:
      return KvnStringKvnErr(kWrongConstant, reinterpret_cast<char*>(record), at(3, 501));
  }
  return 0;
}

TEST(FixedArgumentsTest, EveryFixedArgumentOtherThanTheRightOneIsRefused) {
  const Connection demo("demo");
  ASSERT_EQ(demo.error(), 0);
  KvnListHandle list = 0;
  const WrongCall cases[] = {
      {Call::CreateServerHandle, 2, 0, "KvnCreateServerHandle argument 2 is 0, must be 4"},
      {Call::VersionCheck, 2, 0x510, "KvnVersionCheck argument 2 is 1296, must be 1312"},
      {Call::VersionCheck, 3, 1, "KvnVersionCheck argument 3 is 1, must be 0"},
      {Call::LoadUser3, 2, 0, "KvnLoadUser3 argument 2 is 0, must be 1"},
      {Call::LoadUser3, 3, 1, "KvnLoadUser3 argument 3 is 1, must be 0"},
      {Call::LoadUser3, 5, -1, "KvnLoadUser3 argument 5 is -1, must be 0"},
      {Call::LoadUser3, 6, 2, "KvnLoadUser3 argument 6 is 2, must be 0"},
      {Call::LoadUser3, 7, 3, "KvnLoadUser3 argument 7 is 3, must be 0"},
      {Call::LoadUser3, 8, 4, "KvnLoadUser3 argument 8 is 4, must be 0"},
      {Call::LoadUser3, 9, 1, "KvnLoadUser3 argument 9 is 1, must be 11"},
      {Call::GetFaxList, 3, 0, "KvnGetFaxList argument 3 is 0, must be 1"},
      {Call::GetFaxList, 5, 1, "KvnGetFaxList argument 5 is 1, must be 0"},
      {Call::LoadFax3, 3, 1, "KvnLoadFax3 argument 3 is 1, must be 0"},
      {Call::LoadFax3, 4, 0, "KvnLoadFax3 argument 4 is 0, must be 3"},
      {Call::LoadFax3, 5, 3, "KvnLoadFax3 argument 5 is 3, must be 0"},
      {Call::LoadFax3, 7, 1, "KvnLoadFax3 argument 7 is 1, must be 11"},
      {Call::StringKvnErr, 3, 500, "KvnStringKvnErr argument 3 is 500, must be 501"},
  };
  for (const WrongCall& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<unsigned char> record(4096, 0);
    EXPECT_EQ(callWithOneWrong(c, demo.handle(), record.data(), &list), kWrongConstant);
    EXPECT_EQ(record, std::vector<unsigned char>(4096, 0)) << "a refused call filled its record";
    EXPECT_EQ(errorText(kWrongConstant), std::string("Wrong constant argument: ") + c.text);
  }
  EXPECT_EQ(list, 0U) << "a refused list call handed out a list";
}

}  // namespace
}  // namespace kvnsim::test
