// The records the library fills, read back with the program's own readers:
// every field at its offset, texts that fill their room, hex texts.
#include <gtest/gtest.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "test_servers.h"

namespace kvnsim::test {
namespace {

using ServerInfoRecord = std::array<unsigned char, kvn::server_info::kSize>;
using UserRecord = std::array<unsigned char, kvn::user_record::kSize>;
using ExtendedRecord = std::array<unsigned char, kvn::extended_fax::kSize>;

std::u16string utf16At(const unsigned char* record, std::size_t offset) {
  std::u16string text;
  for (std::size_t i = offset; kvn::readU16(record, i) != 0; i += 2) {
    text.push_back(static_cast<char16_t>(kvn::readU16(record, i)));
  }
  return text;
}

TEST(RecordsTest, ServerInfoCarriesTextAndTimeZone) {
  const TempFolder folder;
  const Connection connection(folder.write("server.json", R"({
    "serverText": "Kavrin 5.30 on FAXSRV07",
    "timeZone": {"state": 3, "bias": 300, "standardBias": 0, "daylightBias": -60,
                 "standardName": "Eastern Standard Time", "daylightName": "Zeit \u00fc",
                 "standardDate": {"month": 11, "day": 1, "hour": 2},
                 "daylightDate": {"month": 3, "dayOfWeek": 0, "day": 2, "hour": 2}}})"));
  ASSERT_EQ(connection.error(), 0);
  ServerInfoRecord record{};
  ASSERT_EQ(KvnGetServerInfo2(connection.handle(), record.data()), 0);
  const kvn::ServerInfoView view(record.data());
  EXPECT_EQ(view.serverText(), "Kavrin 5.30 on FAXSRV07");
  EXPECT_EQ(view.timeZoneState(), 3);
  EXPECT_EQ(view.bias(), 300);
  EXPECT_EQ(view.standardBias(), 0);
  EXPECT_EQ(view.daylightBias(), -60);
  // The rest of the TIME_ZONE_INFORMATION: names and transition dates.
  const std::size_t zone = kvn::server_info::kTimeZone;
  EXPECT_EQ(utf16At(record.data(), zone + 4), u"Eastern Standard Time");
  EXPECT_EQ(kvn::readU16(record.data(), zone + 68 + 2), 11);  // wMonth
  EXPECT_EQ(kvn::readU16(record.data(), zone + 68 + 6), 1);   // wDay
  EXPECT_EQ(kvn::readU16(record.data(), zone + 68 + 8), 2);   // wHour
  EXPECT_EQ(utf16At(record.data(), zone + 88), u"Zeit \u00fc");
  EXPECT_EQ(kvn::readU16(record.data(), zone + 152 + 2), 3);
  EXPECT_EQ(kvn::readU16(record.data(), zone + 152 + 6), 2);
}

TEST(RecordsTest, NegativeStateAndFullRangeBiasesKeepTheirBits) {
  const TempFolder folder;
  const Connection connection(folder.write(
      "server.json",
      R"({"timeZone": {"state": 65535, "bias": 4294967295, "daylightBias": -2147483648}})"));
  ServerInfoRecord record{};
  ASSERT_EQ(KvnGetServerInfo2(connection.handle(), record.data()), 0);
  const kvn::ServerInfoView view(record.data());
  EXPECT_EQ(view.timeZoneState(), -1);
  EXPECT_EQ(view.bias(), -1);
  EXPECT_EQ(view.daylightBias(), INT32_MIN);
}

TEST(RecordsTest, ServerTextAsLongAsItsRoomHasNoTerminator) {
  const TempFolder folder;
  const std::string longText(400, 'x');
  const Connection connection(folder.write(
      "server.json", R"({"serverText": ")" + longText + R"(", "timeZone": {"state": 2}})"));
  ServerInfoRecord record{};
  record.fill(0xEE);
  ASSERT_EQ(KvnGetServerInfo2(connection.handle(), record.data()), 0);
  const kvn::ServerInfoView view(record.data());
  EXPECT_EQ(view.serverText(), std::string(kvn::server_info::kServerText.room, 'x'));
  EXPECT_EQ(view.timeZoneState(), 2);  // the text stopped at its room
}

TEST(RecordsTest, UserRecordTexts) {
  struct Case {
    std::string user;
    std::string qualifier;
    std::string id;
    std::string name;
  };
  const Case cases[] = {
      {R"({"qualifier": "KAVRIN", "id": "ALICE", "name": "Alice Archer"})", "KAVRIN", "ALICE",
       "Alice Archer"},
      {R"({"id": "BOB"})", "", "BOB", ""},
      // 26 and 22 characters fill their rooms exactly, without terminators.
      {R"({"qualifier": ")" + std::string(26, 'Q') + R"(", "id": ")" + std::string(22, 'I') +
           R"(", "name": "N"})",
       std::string(26, 'Q'), std::string(22, 'I'), "N"},
      {R"({"qualifier": {"hex": "4B41C9"}, "id": "HEX", "name": {"hex": "4E004F"}})", "KA\xC9",
       "HEX", "N"},
      {R"({"id": "LONG", "name": ")" + std::string(2000, 'n') + R"("})", "", "LONG",
       std::string(kvn::user_record::kSize - 54, 'n')},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.user.substr(0, 80));
    const TempFolder folder;
    const Connection connection(folder.write("server.json", R"({"users": [)" + c.user + "]}"));
    ASSERT_EQ(connection.error(), 0);
    std::vector<unsigned char> record(kvn::user_record::kSize + 8, 0xEE);
    ASSERT_EQ(KvnLoadUser3(connection.handle(), 1, 0, c.id.c_str(), 0, 0, 0, 0, 11, record.data()),
              0);
    const kvn::UserRecordView view(record.data());
    EXPECT_EQ(view.qualifier(), c.qualifier);
    EXPECT_EQ(view.userId(), c.id);
    EXPECT_EQ(view.userName(), c.name);
    EXPECT_EQ(record[kvn::user_record::kSize], 0xEE) << "written past the record";
  }
}

// One fax of a user, fetched from a description written for it.
class OneFax {
 public:
  explicit OneFax(const std::string& fax)
      : connection_(
            folder_.write("server.json", R"({"users": [{"id": "U", "faxes": [)" + fax + "]}]}")) {}

  std::int32_t connectError() const { return connection_.error(); }

  std::vector<unsigned char> entry() const {
    const FaxListFetch list(connection_.handle(), "U", KvnEveryFolderMask);
    const Walk walk = walkList(list.handle());
    EXPECT_EQ(walk.entries.size(), 1U);
    if (walk.entries.empty()) {
      return std::vector<unsigned char>(kvn::fax_entry::kSize);
    }
    return {walk.entries[0], walk.entries[0] + kvn::fax_entry::kSize};
  }

  std::vector<unsigned char> details() const {
    const std::uint32_t handle = kvn::FaxListEntryView(entry().data()).faxHandle();
    std::vector<unsigned char> record(kvn::extended_fax::kSize + 8, 0);
    std::fill(record.begin() + kvn::extended_fax::kSize, record.end(), 0xEE);
    EXPECT_EQ(KvnLoadFax3(connection_.handle(), handle, 0, 3, 0, record.data(), 11), 0);
    EXPECT_EQ(record[kvn::extended_fax::kSize], 0xEE) << "written past the record";
    return record;
  }

 private:
  TempFolder folder_;
  Connection connection_;
};

TEST(RecordsTest, FaxListEntryFields) {
  using View = kvn::FaxListEntryView;
  struct Case {
    std::string fax;
    std::function<void(const View&)> check;
  };
  const std::string sixteen = "APP0438B2C87FE6X";
  const Case cases[] = {
      {R"({"handle": 305419896})", [](const View& v) { EXPECT_EQ(v.faxHandle(), 0x12345678U); }},
      {R"({"handle": -1})", [](const View& v) { EXPECT_EQ(v.faxHandle(), 0xFFFFFFFFU); }},
      {R"({})",
       [](const View& v) {
         EXPECT_EQ(v.faxHandle(), 0x1000U);
         EXPECT_EQ(v.flags(), 0U);
         EXPECT_EQ(v.time(), 0);
         EXPECT_EQ(v.pages(), 0);
         EXPECT_EQ(v.uniqueId(), "");
         EXPECT_EQ(v.faxUserId(), "");
       }},
      {R"({"flags": ["received", "viewed", "printed", "forwarded", "approved", "held", "user1",
                     "user2", "deleted"]})",
       [](const View& v) {
         EXPECT_EQ(v.flags(), kvn::FaxFlagReceived | kvn::FaxFlagViewed | kvn::FaxFlagPrinted |
                                  kvn::FaxFlagForwarded | kvn::FaxFlagApproved | kvn::FaxFlagHeld |
                                  kvn::FaxFlagUser1 | kvn::FaxFlagUser2 | kvn::FaxFlagDeleted);
       }},
      {R"({"flags": 4294967295})", [](const View& v) { EXPECT_EQ(v.flags(), 0xFFFFFFFFU); }},
      {R"({"time": "2008-11-03 14:22:05"})",
       [](const View& v) { EXPECT_EQ(v.time(), 1225722125); }},
      {R"({"time": "1970-01-01 00:00:00"})", [](const View& v) { EXPECT_EQ(v.time(), 0); }},
      {R"({"time": "2008-02-29 23:59:59"})",
       [](const View& v) { EXPECT_EQ(v.time(), 1204329599); }},
      {R"({"time": -5})", [](const View& v) { EXPECT_EQ(v.time(), -5); }},
      {R"({"pages": 65535})", [](const View& v) { EXPECT_EQ(v.pages(), -1); }},
      {R"({"pages": -2})", [](const View& v) { EXPECT_EQ(v.pages(), -2); }},
      {R"({"errorCode": 2})", [](const View& v) { EXPECT_EQ(v.errorCode(), 2); }},
      {R"({"fine": true, "cover": false})",
       [](const View& v) {
         EXPECT_TRUE(v.fine());
         EXPECT_FALSE(v.cover());
       }},
      {R"({"fine": 2, "cover": 3})",
       [](const View& v) {
         EXPECT_FALSE(v.fine());
         EXPECT_TRUE(v.cover());
       }},
      {R"({"folder": 12})", [](const View& v) { EXPECT_EQ(v.folder(), 12); }},
      {R"({"uniqueId": "APP0438B2C87FE6"})",
       [](const View& v) { EXPECT_EQ(v.uniqueId(), "APP0438B2C87FE6"); }},
      // A unique-ID of 16 characters or more fills the room; the folder
      // after it is intact.
      {R"({"uniqueId": ")" + sixteen + R"(", "folder": 2})",
       [sixteen](const View& v) {
         EXPECT_EQ(v.uniqueId(), sixteen);
         EXPECT_EQ(v.folder(), 2);
       }},
      {R"({"uniqueId": ")" + sixteen + R"(TOOLONG"})",
       [sixteen](const View& v) { EXPECT_EQ(v.uniqueId(), sixteen); }},
      {R"({"uniqueId": {"hex": "41E94200"}, "faxUserId": {"hex": "FF"}})",
       [](const View& v) {
         EXPECT_EQ(v.uniqueId(),
                   "A\xE9"
                   "B");
         EXPECT_EQ(v.faxUserId(), "\xFF");
       }},
      {R"({"faxUserId": ")" + std::string(30, 'u') + R"("})",
       [](const View& v) {
         EXPECT_EQ(v.faxUserId(), std::string(kvn::fax_entry::kSize - 194, 'u'));
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fax);
    const OneFax fax(c.fax);
    ASSERT_EQ(fax.connectError(), 0);
    const std::vector<unsigned char> entry = fax.entry();
    c.check(View(entry.data()));
  }
}

TEST(RecordsTest, ExtendedRecordFields) {
  using View = kvn::ExtendedFaxView;
  struct Case {
    std::string details;
    std::function<void(const View&)> check;
  };
  const Case cases[] = {
      {R"({"ownerId": "ALICE", "jobId": 65535, "faxType": 2})",
       [](const View& v) {
         EXPECT_EQ(v.ownerId(), "ALICE");
         EXPECT_EQ(v.jobId(), 65535);
         EXPECT_EQ(v.faxType(), 2);
       }},
      {R"({"faxFile": "B000409E2", "pages": -1, "paperType": 65535, "printJobType": -1})",
       [](const View& v) {
         EXPECT_EQ(v.faxFile(), "B000409E2");
         EXPECT_EQ(v.pages(), 65535);
         EXPECT_EQ(v.paperType(), -1);
         EXPECT_EQ(v.printJobType(), -1);
       }},
      {R"({"toPhone": "2125550143", "toContact": "Accounts", "toName": "Harriet Quill",
           "toCompany": "Quill & Marsh LLP", "toCityState": "Hartford, CT"})",
       [](const View& v) {
         EXPECT_EQ(v.toPhone(), "2125550143");
         EXPECT_EQ(v.toContact(), "Accounts");
         EXPECT_EQ(v.toName(), "Harriet Quill");
         EXPECT_EQ(v.toCompany(), "Quill & Marsh LLP");
         EXPECT_EQ(v.toCityState(), "Hartford, CT");
       }},
      {R"({"fromName": "Alice Archer", "fromPhone": "2125550100", "billInfo1": "PO-2231",
           "billInfo2": "DEPT 40", "did": "5550123", "operatorPhone": "2125550199",
           "generalFaxPhone": "2125550188"})",
       [](const View& v) {
         EXPECT_EQ(v.fromName(), "Alice Archer");
         EXPECT_EQ(v.fromPhone(), "2125550100");
         EXPECT_EQ(v.billInfo1(), "PO-2231");
         EXPECT_EQ(v.billInfo2(), "DEPT 40");
         EXPECT_EQ(v.did(), "5550123");
         EXPECT_EQ(v.operatorPhone(), "2125550199");
         EXPECT_EQ(v.generalFaxPhone(), "2125550188");
       }},
      {R"({"sendTime": 4294967295, "status": 21, "errorCode": 105, "disposition": 3})",
       [](const View& v) {
         EXPECT_EQ(v.sendTime(), 0xFFFFFFFFU);
         EXPECT_EQ(v.status(), 21);
         EXPECT_EQ(v.errorCode(), 105);
         EXPECT_EQ(v.disposition(), 3);
       }},
      {R"({"remoteId": "+1 860 555 0142", "coversheet": "standard", "faxId": 4242,
           "priority": 255, "custom1": 7, "folder": 12, "comment": "Revised quote"})",
       [](const View& v) {
         EXPECT_EQ(v.remoteId(), "+1 860 555 0142");
         EXPECT_EQ(v.coversheet(), "standard");
         EXPECT_EQ(v.faxId(), 4242);
         EXPECT_EQ(v.priority(), 255);
         EXPECT_EQ(v.custom1(), 7);
         EXPECT_EQ(v.folder(), 12);
         EXPECT_EQ(v.comment(), "Revised quote");
       }},
      {R"({"priority": -1})", [](const View& v) { EXPECT_EQ(v.priority(), 255); }},
      // Texts that fill their rooms: the neighbouring fields stay intact.
      {R"({"billInfo1": ")" + std::string(20, 'b') + R"(", "billInfo2": "second"})",
       [](const View& v) {
         EXPECT_EQ(v.billInfo1(), std::string(16, 'b'));
         EXPECT_EQ(v.billInfo2(), "second");
       }},
      {R"({"generalFaxPhone": ")" + std::string(38, 'g') + R"(", "sendTime": 125})",
       [](const View& v) {
         EXPECT_EQ(v.generalFaxPhone(), std::string(38, 'g'));
         EXPECT_EQ(v.sendTime(), 125U);
       }},
      {R"({"comment": ")" + std::string(1000, 'c') + R"("})",
       [](const View& v) {
         EXPECT_EQ(v.comment(), std::string(kvn::extended_fax::kSize - 880, 'c'));
       }},
      {R"({"did": {"hex": "3535350A31"}})", [](const View& v) { EXPECT_EQ(v.did(), "555\n1"); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.details.substr(0, 120));
    const OneFax fax(R"({"details": )" + c.details + "}");
    ASSERT_EQ(fax.connectError(), 0);
    const std::vector<unsigned char> record = fax.details();
    c.check(View(record.data()));
  }
}

TEST(RecordsTest, ExtendedPagesAndFolderDefaultToTheEntrys) {
  const OneFax inherited(R"({"pages": -1, "folder": 2, "details": {"faxFile": "B1"}})");
  const std::vector<unsigned char> record = inherited.details();
  EXPECT_EQ(kvn::ExtendedFaxView(record.data()).pages(), 65535);
  EXPECT_EQ(kvn::ExtendedFaxView(record.data()).folder(), 2);

  const OneFax own(R"({"pages": 3, "folder": 2, "details": {"pages": 4, "folder": 0}})");
  const std::vector<unsigned char> ownRecord = own.details();
  EXPECT_EQ(kvn::ExtendedFaxView(ownRecord.data()).pages(), 4);
  EXPECT_EQ(kvn::ExtendedFaxView(ownRecord.data()).folder(), 0);
}

TEST(RecordsTest, UnnamedBytesStayZero) {
  const OneFax fax(R"({"handle": 4096, "flags": 4294967295, "time": -1, "pages": -1,
    "errorCode": 65535, "fine": 65535, "cover": 65535, "folder": 65535,
    "uniqueId": "0123456789ABCDEF", "faxUserId": "U"})");
  const std::vector<unsigned char> entry = fax.entry();
  // Bytes of the entry that no field names.
  const std::pair<std::size_t, std::size_t> gaps[] = {
      {12, 104}, {106, 108}, {110, 114}, {118, 172}, {190, 194}};
  for (const auto& [from, to] : gaps) {
    for (std::size_t i = from; i < to; ++i) {
      EXPECT_EQ(entry[i], 0) << "byte " << i;
    }
  }
}

}  // namespace
}  // namespace kvnsim::test
