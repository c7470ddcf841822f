// Bad descriptions: each makes the connection attempt fail with 11002 and a
// text that names the file and what is wrong with it, and nothing of it is
// served.
#include <gtest/gtest.h>

#include <string>

#include "test_servers.h"

namespace kvnsim::test {
namespace {

constexpr std::int32_t kBadDescription = 11002;

struct BadDescription {
  const char* what;
  std::string content;
  std::string problem;  // the text after "Bad server description <file>: "
};

std::string withUser(const std::string& user) {
  return R"({"users": [)" + user + "]}";
}
std::string withFax(const std::string& fax) {
  return withUser(R"({"id": "U", "faxes": [)" + fax + "]}");
}
std::string withFault(const std::string& fault) {
  return R"({"faults": {)" + fault + "}}";
}

TEST(DescriptionErrorsTest, EachProblemIsNamedWithItsPlace) {
  const BadDescription cases[] = {
      {"empty file", "", "malformed JSON: "},
      {"malformed", R"({"users": [})", "malformed JSON: "},
      {"invalid UTF-8", "{\"serverText\": \"\xC3\x28\"}", "malformed JSON: "},
      {"not an object", "[1, 2]", "a description must be a JSON object"},
      {"repeated member", R"({"release": "5.30", "release": "4.00"})",
       "member \"release\" appears twice in one object"},
      {"unknown member", R"({"fault": {}})", "fault: unknown member"},
      {"unknown fax member", withFax(R"({"pagez": 1})"), "users[0].faxes[0].pagez: unknown member"},
      {"unknown details member", withFax(R"({"details": {"toFax": "1"}})"),
       "users[0].faxes[0].details.toFax: unknown member"},
      {"unknown fault", withFault(R"("conect": {})"), "faults.conect: unknown member"},
      {"string for integer", R"({"apiVersion": "1228521600"})",
       "apiVersion: expected an integer, found a string"},
      {"fraction for integer", withFax(R"({"pages": 1.5})"),
       "users[0].faxes[0].pages: expected an integer, found a fractional number"},
      {"boolean for integer", withFax(R"({"errorCode": true})"),
       "users[0].faxes[0].errorCode: expected an integer, found a boolean"},
      {"number for text", withUser(R"({"id": 42})"),
       "users[0].id: expected a string or {\"hex\": ...}, found an integer"},
      {"users not an array", R"({"users": {}})", "users: expected an array, found an object"},
      {"16-bit too large", withFax(R"({"pages": 65536})"),
       "users[0].faxes[0].pages: 65536 is out of range -32768 to 65535"},
      {"16-bit too small", withFax(R"({"folder": -32769})"),
       "users[0].faxes[0].folder: -32769 is out of range -32768 to 65535"},
      {"8-bit too large", withFax(R"({"details": {"priority": 256}})"),
       "users[0].faxes[0].details.priority: 256 is out of range -128 to 255"},
      {"32-bit too large", R"({"timeZone": {"bias": 4294967296}})",
       "timeZone.bias: 4294967296 is out of range -2147483648 to 4294967295"},
      {"huge unsigned", R"({"apiVersion": 18446744073709551615})",
       "apiVersion: 18446744073709551615 is out of range -2147483648 to 4294967295"},
      {"state out of range", R"({"timeZone": {"state": 70000}})",
       "timeZone.state: 70000 is out of range -32768 to 65535"},
      {"zone name too long", R"({"timeZone": {"standardName": ")" + std::string(32, 'z') + R"("}})",
       "timeZone.standardName: longer than 31 UTF-16 characters"},
      {"unknown transition member", R"({"timeZone": {"daylightDate": {"week": 2}}})",
       "timeZone.daylightDate.week: unknown member"},
      {"bad release", R"({"release": "5.3"})", R"(release: "5.3" is not a release as "5.30")"},
      {"release of wrong type", R"({"release": 5.3})",
       "release: expected a release as \"5.30\" or an integer"},
      {"impossible date", withFax(R"({"time": "2008-02-30 10:00:00"})"),
       "users[0].faxes[0].time: \"2008-02-30 10:00:00\" is not a valid date and time"},
      {"impossible hour", withFax(R"({"time": "2008-02-03 24:00:00"})"),
       "users[0].faxes[0].time: \"2008-02-03 24:00:00\" is not a valid date and time"},
      {"badly written time", withFax(R"({"time": "2008-2-3 10:00"})"),
       R"(users[0].faxes[0].time: "2008-2-3 10:00" is not a time as "YYYY-MM-DD HH:MM:SS")"},
      {"time beyond 2038", withFax(R"({"time": "2040-01-01 00:00:00"})"),
       "users[0].faxes[0].time: \"2040-01-01 00:00:00\" does not fit a 32-bit time"},
      {"unknown flag", withFax(R"({"flags": ["received", "urgent"]})"),
       "users[0].faxes[0].flags[1]: \"urgent\" is not a flag name"},
      {"flags of wrong type", withFax(R"({"flags": "received"})"),
       "users[0].faxes[0].flags: expected an integer or an array of flag names"},
      {"odd hex", withFax(R"({"uniqueId": {"hex": "414"}})"),
       "users[0].faxes[0].uniqueId.hex: odd number of hexadecimal digits"},
      {"not hex", withFax(R"({"uniqueId": {"hex": "4G"}})"),
       "users[0].faxes[0].uniqueId.hex: \"4G\" is not hexadecimal"},
      {"raw run past the record", withFax(R"({"entryBytes": {"214": "010203"}})"),
       "users[0].faxes[0].entryBytes.214: 3 bytes at offset 214 run past the end of the "
       "216-byte record"},
      {"raw offset outside the record", withFax(R"({"detailBytes": {"1868": "01"}})"),
       "users[0].faxes[0].detailBytes.1868: \"1868\" is not an offset within the 1868-byte "
       "record"},
      {"raw runs overlap", withFax(R"({"entryBytes": {"104": "2A00", "105": "01"}})"),
       "users[0].faxes[0].entryBytes.105: byte 105 is also given by the run at offset 104"},
      {"field beside raw entry", withFax(R"({"entryBytes": {"0": "01"}, "pages": 2})"),
       "users[0].faxes[0].pages: cannot be given beside entryBytes, which holds the whole "
       "record"},
      {"details beside raw details", withFax(R"({"detailBytes": {"0": "01"}, "details": {}})"),
       "users[0].faxes[0].details: cannot be given beside detailBytes, which holds the whole "
       "record"},
      {"hex with another member", withFax(R"({"uniqueId": {"hex": "41", "text": "A"}})"),
       "users[0].faxes[0].uniqueId.text: unknown member"},
      {"missing user id", withUser(R"({"name": "Nobody"})"),
       "users[0]: missing required member \"id\""},
      {"empty user id", withUser(R"({"id": ""})"), "users[0].id: a user ID must not be empty"},
      {"repeated user id", withUser(R"({"id": "ALICE"}, {"id": "BOB"}, {"id": "alice"})"),
       "users[2].id: repeats the ID of users[0]"},
      {"repeated handle",
       withUser(
           R"({"id": "A", "faxes": [{"handle": 7}]}, {"id": "B", "faxes": [{}, {"handle": 7}]})"),
       "users[1].faxes[1].handle: handle 0x00000007 repeats that of users[0].faxes[0].handle"},
      {"handle repeating a default", withFax(R"({}, {"handle": 4096})"),
       "users[0].faxes[1].handle: handle 0x00001000 repeats that of users[0].faxes[0].handle"},
      {"handle of a generated fax",
       withUser(
           R"({"id": "A", "faxes": [{"handle": 1090519045}]}, {"id": "B", "generate": {"count": 10}})"),
       "users[0].faxes[0].handle: handle 0x41000005 repeats that of a generated fax of users[1]"},
      {"generate without count", withUser(R"({"id": "A", "generate": {"seed": 1}})"),
       "users[0].generate: missing required member \"count\""},
      {"generate too many", withUser(R"({"id": "A", "generate": {"count": 16777217}})"),
       "users[0].generate.count: 16777217 is out of range 0 to 16777216"},
      {"error key not a number", R"({"errors": {"E1": "text"}})",
       "errors.E1: \"E1\" is not a 32-bit decimal error code"},
      {"error text of wrong type", R"({"errors": {"1": 5}})",
       "errors.1: expected a string or {\"hex\": ...}, found an integer"},
      {"connect failures word", withFault(R"("connect": {"failures": "sometimes"})"),
       "faults.connect.failures: expected a count or \"always\""},
      {"connect failures negative", withFault(R"("connect": {"failures": -1})"),
       "faults.connect.failures: -1 is out of range 0 to 9223372036854775807"},
      {"fault error zero", withFault(R"("sort": {"error": 0})"),
       "faults.sort.error: 0 means success; a fault needs a non-zero error"},
      {"failFrom zero", withFault(R"("serverInfo": {"failFrom": 0})"),
       "faults.serverInfo.failFrom: 0 is out of range 1 to 4294967295"},
      {"failAfter negative", withFault(R"("walk": {"failAfter": -1})"),
       "faults.walk.failAfter: -1 is out of range 0 to 4294967295"},
      {"loadFax without handles", withFault(R"("loadFax": {"error": 5})"),
       "faults.loadFax: missing required member \"handles\""},
      {"loadFax handle of wrong type", withFault(R"("loadFax": {"handles": [1, "2"]})"),
       "faults.loadFax.handles[1]: expected an integer, found a string"},
      {"releaseRefused of wrong type", withFault(R"("releaseRefused": 1)"),
       "faults.releaseRefused: expected true or false, found an integer"},
  };
  for (const BadDescription& c : cases) {
    SCOPED_TRACE(c.what);
    const TempFolder folder;
    const std::string file = folder.write("bad.json", c.content);
    const Connection connection(file);
    EXPECT_EQ(connection.handle(), 0U);
    EXPECT_EQ(connection.error(), kBadDescription);
    const std::string expectedStart = "Bad server description " + file + ": " + c.problem;
    EXPECT_EQ(errorText(kBadDescription).substr(0, expectedStart.size()), expectedStart);
  }
}

TEST(DescriptionErrorsTest, FolderDescriptionsAreNamedByTheirPath) {
  const TempFolder folder;
  folder.write("faxsrv03.json", "{");
  const ScopedEnvironment servers("KVNSIM_SERVERS", folder.path().string());
  EXPECT_EQ(Connection("faxsrv03").error(), kBadDescription);
  const std::string expectedStart =
      "Bad server description " + (folder.path() / "faxsrv03.json").string() + ": malformed JSON";
  EXPECT_EQ(errorText(kBadDescription).substr(0, expectedStart.size()), expectedStart);
}

TEST(DescriptionErrorsTest, NothingOfABadDescriptionIsServed) {
  const TempFolder folder;
  const std::string good = folder.write(
      "good.json", R"({"apiVersion": 1230000000, "errors": {"31000": "From the good one"}})");
  // Valid up to its last member.
  const std::string bad = folder.write("bad.json", R"({"apiVersion": 1240000000,
      "errors": {"31000": "From the bad one"}, "users": [{"id": "A"}], "faults": {"x": {}}})");
  ASSERT_EQ(Connection(good).error(), 0);
  ASSERT_EQ(Connection(bad).error(), kBadDescription);
  EXPECT_EQ(KvnGetAPIVersion(), 1230000000);
  EXPECT_EQ(errorText(31000), "From the good one");
}

}  // namespace
}  // namespace kvnsim::test
