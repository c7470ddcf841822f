// How the program's calls reach the library's: the address binding found for
// each of the thirteen, called with the program's arguments. On 32-bit
// Windows every call goes through callRestoringStack, so that a library of
// either calling convention leaves the stack as it found it.
#ifndef KVNBINDING_BOUND_CALL_H
#define KVNBINDING_BOUND_CALL_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <type_traits>

#include "kvnbinding/loaded_library.h"
#include "kvnbinding/stack_restoring_call.h"

namespace kvn::binding {

enum class Call : std::size_t {
  GetAPIVersion,
  CreateServerHandle,
  VersionCheck,
  GetServerInfo2,
  LoadUser3,
  StringKvnErr,
  CloseServerHandle,
  GetFaxList,
  ListSort,
  ListGetFirstElementPtr,
  ListGetNextElementPtr,
  CloseListHandle,
  LoadFax3,
};
inline constexpr std::size_t kCallCount = 13;

// The address that bindClientLibrary found for call.
ExportAddress boundAddress(Call call);

#if KVN_CALLS_RESTORE_STACK
// One 32-bit stack slot: what a caller pushes for an argument of either
// convention (a 16-bit argument too takes a whole slot).
template <typename Argument>
std::uint32_t stackSlot(Argument argument) {
  if constexpr (std::is_pointer_v<Argument>) {
    return static_cast<std::uint32_t>(reinterpret_cast<std::uintptr_t>(argument));
  } else {
    static_assert(std::is_integral_v<Argument> && sizeof(Argument) <= sizeof(std::uint32_t));
    return static_cast<std::uint32_t>(argument);
  }
}
#endif

template <typename Result, typename... Arguments>
Result callBound(Call call, Arguments... arguments) {
#if KVN_CALLS_RESTORE_STACK
  const std::array<std::uint32_t, sizeof...(Arguments)> slots{stackSlot(arguments)...};
  const std::uint32_t result = callRestoringStack(boundAddress(call), slots.data(), slots.size());
  if constexpr (!std::is_void_v<Result>) {
    // What a call leaves in EAX: every call returns 32 bits or nothing.
    static_assert(std::is_same_v<Result, std::int32_t> || std::is_same_v<Result, std::uint32_t>);
    return static_cast<Result>(result);
  }
#else
  using Function = Result (*)(Arguments...);
  return reinterpret_cast<Function>(boundAddress(call))(arguments...);
#endif
}

}  // namespace kvn::binding

#endif  // KVNBINDING_BOUND_CALL_H
