#include "server_description.h"

#include <algorithm>
#include <cstring>

#include "fax_generator.h"
#include "user_id.h"

namespace kvnsim {

const User* ServerDescription::findUser(std::string_view id) const {
  const auto found = std::find_if(users.begin(), users.end(),
                                  [id](const User& user) { return sameUserId(user.id, id); });
  return found == users.end() ? nullptr : &*found;
}

bool ServerDescription::writeFaxDetails(std::uint32_t handle, unsigned char* record) const {
  if (const auto found = explicitFaxIndex.find(handle); found != explicitFaxIndex.end()) {
    const auto& [userPosition, faxPosition] = found->second;
    const std::vector<unsigned char>& details = users[userPosition].faxes[faxPosition].details;
    std::memcpy(record, details.data(), details.size());
    return true;
  }
  if (handle < kGeneratedHandleBase) {
    return false;
  }
  const std::size_t owner = (handle - kGeneratedHandleBase) / kGeneratedHandleBlock;
  const std::uint32_t position = (handle - kGeneratedHandleBase) % kGeneratedHandleBlock;
  if (owner >= users.size() || !users[owner].generated ||
      position >= users[owner].generated->count) {
    return false;
  }
  std::memset(record, 0, kvn::extended_fax::kSize);
  writeGeneratedDetails(*users[owner].generated, users[owner].id, position, record);
  return true;
}

}  // namespace kvnsim
