// The stand-in library's server-description loader on arbitrary bytes: a
// description is either loaded whole or refused with a message saying why,
// never a crash, an abort or a leak. A description that loads must also fill
// the records it serves without reaching outside them.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "description_loader.h"
#include "harness_checks.h"
#include "kvnapi/kvnrecords.h"
#include "server_records.h"

namespace {

void checkServedRecords(const kvnsim::ServerDescription& server) {
  std::array<unsigned char, kvn::server_info::kSize> info{};
  kvnsim::writeServerInfo(server, info.data());
  const std::string_view text = server.serverText;
  expectEqual(
      "served server text", std::string(kvn::ServerInfoView(info.data()).serverText()),
      std::string(text.substr(0, std::min(text.find('\0'), kvn::server_info::kServerText.room))));

  for (const kvnsim::User& user : server.users) {
    if (server.findUser(user.id) != &user) {
      fail("a user is not found by its own ID: " + user.id);
    }
    std::array<unsigned char, kvn::user_record::kSize> record{};
    kvnsim::writeUserRecord(user, record.data());
    for (const kvnsim::ExplicitFax& fax : user.faxes) {
      std::array<unsigned char, kvn::extended_fax::kSize> details{};
      if (!server.writeFaxDetails(fax.handle, details.data())) {
        fail("a fax of the description has no details");
      }
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const kvnsim::DescriptionLoad load =
      kvnsim::loadServerDescription(std::string_view(reinterpret_cast<const char*>(data), size));
  if (load.server == nullptr) {
    if (load.problem.empty()) {
      fail("a refused description without a message");
    }
    return 0;
  }
  if (!load.problem.empty()) {
    fail("a loaded description with a problem: " + load.problem);
  }
  checkServedRecords(*load.server);
  return 0;
}
