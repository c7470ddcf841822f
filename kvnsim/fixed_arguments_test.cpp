// Calls whose fixed arguments are not the values a program must pass are
// refused with 11004, whose text names the call, the argument and both values,
// so that a program passing a wrong one fails rather than going unnoticed.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "test_servers.h"

namespace kvnsim::test {
namespace {

constexpr std::int32_t kWrongConstant = 11004;

struct WrongCall {
  std::function<std::int32_t(KvnServerHandle, unsigned char*)> call;  // the status it returned
  const char* text;
};

TEST(FixedArgumentsTest, EveryFixedArgumentOtherThanTheRightOneIsRefused) {
  const Connection demo("demo");
  ASSERT_EQ(demo.error(), 0);
  KvnListHandle list = 0;
  const WrongCall cases[] = {
      {[](KvnServerHandle, unsigned char*) {
         std::int32_t error = 0;
         return KvnCreateServerHandle("demo", 0, &error) == 0 ? error : 0;
       },
       "KvnCreateServerHandle argument 2 is 0, must be 4"},
      {[](KvnServerHandle s, unsigned char*) { return KvnVersionCheck(s, 0x510, 0); },
       "KvnVersionCheck argument 2 is 1296, must be 1312"},
      {[](KvnServerHandle s, unsigned char*) { return KvnVersionCheck(s, 0x520, 1); },
       "KvnVersionCheck argument 3 is 1, must be 0"},
      {[](KvnServerHandle s, unsigned char* r) {
         return KvnLoadUser3(s, 0, 0, "ALICE", 0, 0, 0, 0, 11, r);
       },
       "KvnLoadUser3 argument 2 is 0, must be 1"},
      {[](KvnServerHandle s, unsigned char* r) {
         return KvnLoadUser3(s, 1, 1, "ALICE", 0, 0, 0, 0, 11, r);
       },
       "KvnLoadUser3 argument 3 is 1, must be 0"},
      {[](KvnServerHandle s, unsigned char* r) {
         return KvnLoadUser3(s, 1, 0, "ALICE", -1, 0, 0, 0, 11, r);
       },
       "KvnLoadUser3 argument 5 is -1, must be 0"},
      {[](KvnServerHandle s, unsigned char* r) {
         return KvnLoadUser3(s, 1, 0, "ALICE", 0, 2, 0, 0, 11, r);
       },
       "KvnLoadUser3 argument 6 is 2, must be 0"},
      {[](KvnServerHandle s, unsigned char* r) {
         return KvnLoadUser3(s, 1, 0, "ALICE", 0, 0, 3, 0, 11, r);
       },
       "KvnLoadUser3 argument 7 is 3, must be 0"},
      {[](KvnServerHandle s, unsigned char* r) {
         return KvnLoadUser3(s, 1, 0, "ALICE", 0, 0, 0, 4, 11, r);
       },
       "KvnLoadUser3 argument 8 is 4, must be 0"},
      {[](KvnServerHandle s, unsigned char* r) {
         return KvnLoadUser3(s, 1, 0, "ALICE", 0, 0, 0, 0, 1, r);
       },
       "KvnLoadUser3 argument 9 is 1, must be 11"},
      {[&list](KvnServerHandle s, unsigned char*) {
         return KvnGetFaxList(s, "ALICE", 0, 0xFFFD, 0, &list);
       },
       "KvnGetFaxList argument 3 is 0, must be 1"},
      {[&list](KvnServerHandle s, unsigned char*) {
         return KvnGetFaxList(s, "ALICE", 1, 0xFFFD, 1, &list);
       },
       "KvnGetFaxList argument 5 is 1, must be 0"},
      {[](KvnServerHandle s, unsigned char* r) { return KvnLoadFax3(s, 0x1000, 1, 3, 0, r, 11); },
       "KvnLoadFax3 argument 3 is 1, must be 0"},
      {[](KvnServerHandle s, unsigned char* r) { return KvnLoadFax3(s, 0x1000, 0, 0, 0, r, 11); },
       "KvnLoadFax3 argument 4 is 0, must be 3"},
      {[](KvnServerHandle s, unsigned char* r) { return KvnLoadFax3(s, 0x1000, 0, 3, 3, r, 11); },
       "KvnLoadFax3 argument 5 is 3, must be 0"},
      {[](KvnServerHandle s, unsigned char* r) { return KvnLoadFax3(s, 0x1000, 0, 3, 0, r, 1); },
       "KvnLoadFax3 argument 7 is 1, must be 11"},
  };
  for (const WrongCall& c : cases) {
    SCOPED_TRACE(c.text);
    std::vector<unsigned char> record(4096, 0);
    EXPECT_EQ(c.call(demo.handle(), record.data()), kWrongConstant);
    EXPECT_EQ(record, std::vector<unsigned char>(4096, 0)) << "a refused call filled its record";
    EXPECT_EQ(errorText(kWrongConstant), std::string("Wrong constant argument: ") + c.text);
  }
  EXPECT_EQ(list, 0U) << "a refused list call handed out a list";
}

}  // namespace
}  // namespace kvnsim::test
