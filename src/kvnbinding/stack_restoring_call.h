// 32-bit Windows: a call that works whichever of the two conventions the
// library was built with. A __stdcall callee pops its arguments, a __cdecl
// callee leaves them to the caller; the call puts the caller's stack pointer
// back itself, and notes which kind the library's calls are.
#ifndef KVNBINDING_STACK_RESTORING_CALL_H
#define KVNBINDING_STACK_RESTORING_CALL_H

#if defined(_WIN32) && defined(__i386__)
#define KVN_CALLS_RESTORE_STACK 1
#else
#define KVN_CALLS_RESTORE_STACK 0
#endif

#if KVN_CALLS_RESTORE_STACK

#include <cstddef>
#include <cstdint>

#include "kvnbinding/loaded_library.h"

namespace kvn::binding {

enum class CalleeConvention {
  NotSeen,          // no call with arguments has returned yet
  PopsArguments,    // __stdcall
  LeavesArguments,  // __cdecl
};

// Calls function with count 32-bit arguments and returns what it left in EAX.
std::uint32_t callRestoringStack(ExportAddress function, const std::uint32_t* arguments,
                                 std::size_t count);

// What the first call with arguments showed of the library's calls.
CalleeConvention observedConvention();

}  // namespace kvn::binding

#endif

#endif  // KVNBINDING_STACK_RESTORING_CALL_H
