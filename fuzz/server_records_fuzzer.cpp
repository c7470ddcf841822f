// The server information and the user record as the connection reads them,
// from arbitrary bytes that a client library hands over, and the library's
// error text of any length: KvnProgram must take the texts only from their
// rooms, work out the server's offset, and cut the error text at 500
// characters. The harness reads the documented layouts itself and compares.
//
// Input: the library's version stamp (4 bytes, little-endian), the 904-byte
// ServerInfoRecord, the 1902-byte UserRecord, then the error text. Missing
// record bytes read as zero.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <string>

#include "captured_stream.h"
#include "fuzzed_client_library.h"
#include "harness_checks.h"
#include "kvnprogram/kvn_program.h"
#include "raw_layout.h"
#include "utc_date_text.h"

namespace {

constexpr std::size_t kServerInfoSize = 904;
constexpr std::size_t kUserRecordSize = 1902;
constexpr std::size_t kErrorTextLimit = 500;

// Opens the connection's state to the harness.
class ConnectionUnderTest : public kvn::KvnProgram {
 public:
  using KvnProgram::apiVersion;
  using KvnProgram::KvnProgram;
  using KvnProgram::lastError;
  using KvnProgram::serverInfoText;
  using KvnProgram::tzOffset;
  using KvnProgram::userID;
  using KvnProgram::userName;
  using KvnProgram::userQualifier;
};

std::vector<unsigned char> recordAt(const std::uint8_t* data, std::size_t size, std::size_t offset,
                                    std::size_t recordSize) {
  std::vector<unsigned char> record(recordSize, 0);
  if (offset < size) {
    std::copy_n(data + offset, std::min(size - offset, recordSize), record.begin());
  }
  return record;
}

// Seconds to add to a server time to get UTC: the bias and the bias of the
// state in force, in minutes, times 60, in the server's 32-bit arithmetic.
std::int32_t expectedOffset(const std::vector<unsigned char>& info) {
  const auto state = static_cast<std::int16_t>(littleEndian(info.data() + 396, 2));
  const auto bias = static_cast<std::uint32_t>(littleEndian(info.data() + 398, 4));
  std::uint32_t stateBias = 0;
  if (state == 2) {
    stateBias = static_cast<std::uint32_t>(littleEndian(info.data() + 482, 4));
  } else if (state == 3) {
    stateBias = static_cast<std::uint32_t>(littleEndian(info.data() + 566, 4));
  } else {
    return 0;
  }
  return static_cast<std::int32_t>((bias + stateBias) * 60U);
}

std::string apiVersionLine(std::int32_t stamp) {
  const std::string date = utcDateText(stamp);  // YYYY-MM-DD HH:MM:SS
  return "Kavrin API version: " + date.substr(5, 2) + "/" + date.substr(8, 2) + "/" +
         date.substr(0, 4) + " " + date.substr(11) + "Z\n";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedServer server;
  const std::vector<unsigned char> stamp = recordAt(data, size, 0, 4);
  server.apiVersion = static_cast<std::int32_t>(littleEndian(stamp.data(), 4));
  server.serverInfo = recordAt(data, size, 4, kServerInfoSize);
  server.userRecord = recordAt(data, size, 4 + kServerInfoSize, kUserRecordSize);
  const std::size_t textStart = 4 + kServerInfoSize + kUserRecordSize;
  if (size > textStart) {
    server.errorText.assign(reinterpret_cast<const char*>(data) + textStart, size - textStart);
  }
  serveFuzzedServer(server);

  const std::string console = kvn::test::rendered([&](std::FILE* out) {
    ConnectionUnderTest connection(out);
    if (connection.apiVersion != server.apiVersion) {
      fail("the API version is not the library's stamp");
    }
    if (!connection.connect("fuzz")) {
      fail("no connection to a server that always answers");
    }
    const unsigned char* info = server.serverInfo.data();
    expectEqual("server text", connection.serverInfoText.value_or("(none)"),
                textField(info, 12, 384));
    if (connection.tzOffset != expectedOffset(server.serverInfo)) {
      fail("server offset " + std::to_string(connection.tzOffset) + ", expected " +
           std::to_string(expectedOffset(server.serverInfo)));
    }

    if (!connection.loadUser("fuzz")) {
      fail("no user from a library that always finds one");
    }
    const unsigned char* user = server.userRecord.data();
    expectEqual("user qualifier", connection.userQualifier.value_or("(none)"),
                textField(user, 6, 26));
    expectEqual("user ID", connection.userID.value_or("(none)"), textField(user, 32, 22));
    expectEqual("user name", connection.userName.value_or("(none)"),
                textField(user, 54, kUserRecordSize - 54));

    connection.lastError = 11020;
    const std::string errorText = connection.errorText();
    expectEqual("error text", errorText,
                server.errorText.substr(0, std::min(server.errorText.find('\0'), kErrorTextLimit)));
    connection.disconnect();
  });

  const std::string serverText = textField(server.serverInfo.data(), 12, 384);
  const std::string expected = apiVersionLine(server.apiVersion) +
                               "Connecting to Kavrin server: fuzz\n"
                               "Connect(1) to Kavrin server: fuzz\n"
                               "Connected to Kavrin server:  fuzz\n"
                               "Disconnect from Kavrin server: fuzz, " +
                               serverText + "\nDisconnected\n";
  expectEqual("console", console, expected);
  return 0;
}
