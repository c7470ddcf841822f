#include "fax_handle_index.h"

#include <array>
#include <cstdint>
#include <string>

#include "json_fields.h"

namespace kvnsim {

namespace {

std::string hexHandle(std::uint32_t handle) {
  std::array<char, 8> digits{};
  for (std::size_t i = 0; i < digits.size(); ++i) {
    digits[digits.size() - 1 - i] = "0123456789ABCDEF"[(handle >> (4 * i)) & 0xFU];
  }
  return "0x" + std::string(digits.data(), digits.size());
}

std::string faxHandlePath(std::size_t user, std::size_t fax) {
  return memberPath(elementPath(memberPath(elementPath("users", user), "faxes"), fax), "handle");
}

}  // namespace

void indexFaxHandles(ServerDescription& server) {
  for (std::size_t u = 0; u < server.users.size(); ++u) {
    for (std::size_t f = 0; f < server.users[u].faxes.size(); ++f) {
      const std::uint32_t handle = server.users[u].faxes[f].handle;
      const auto [existing, added] = server.explicitFaxIndex.try_emplace(handle, u, f);
      if (!added) {
        reportProblem(faxHandlePath(u, f),
                      "handle " + hexHandle(handle) + " repeats that of " +
                          faxHandlePath(existing->second.first, existing->second.second));
      }
      if (handle < kGeneratedHandleBase) {
        continue;
      }
      const std::size_t owner = (handle - kGeneratedHandleBase) / kGeneratedHandleBlock;
      const std::uint32_t position = (handle - kGeneratedHandleBase) % kGeneratedHandleBlock;
      if (owner < server.users.size() && server.users[owner].generated &&
          position < server.users[owner].generated->count) {
        reportProblem(faxHandlePath(u, f), "handle " + hexHandle(handle) +
                                               " repeats that of a generated fax of " +
                                               elementPath("users", owner));
      }
    }
  }
}

}  // namespace kvnsim
