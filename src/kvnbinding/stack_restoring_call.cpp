#include "kvnbinding/stack_restoring_call.h"

#if KVN_CALLS_RESTORE_STACK

// kvn_call_restoring_stack(function, arguments, count, bytesPopped), itself
// __cdecl: copies the arguments to a 16-byte aligned block below the stack,
// calls, stores how many bytes the callee popped, then puts the stack pointer
// back from the frame pointer. ESI, which both conventions preserve, holds
// the stack pointer of the call.
asm(R"(
    .text
    .globl kvn_call_restoring_stack
kvn_call_restoring_stack:
    pushl %ebp
    movl %esp, %ebp
    pushl %esi
    pushl %edi
    movl 16(%ebp), %ecx
    leal 0(,%ecx,4), %eax
    subl %eax, %esp
    andl $-16, %esp
    movl %esp, %esi
    movl 12(%ebp), %edx
    xorl %edi, %edi
1:  cmpl %ecx, %edi
    jae 2f
    movl (%edx,%edi,4), %eax
    movl %eax, (%esi,%edi,4)
    incl %edi
    jmp 1b
2:  call *8(%ebp)
    movl %esp, %ecx
    subl %esi, %ecx
    movl 20(%ebp), %edx
    movl %ecx, (%edx)
    leal -8(%ebp), %esp
    popl %edi
    popl %esi
    popl %ebp
    ret
)");

extern "C" std::uint32_t kvnCallRestoringStack(
    kvn::binding::ExportAddress function, const std::uint32_t* arguments, std::uint32_t count,
    std::uint32_t* bytesPopped) __asm__("kvn_call_restoring_stack");

namespace kvn::binding {
namespace {

CalleeConvention seen = CalleeConvention::NotSeen;

}  // namespace

std::uint32_t callRestoringStack(ExportAddress function, const std::uint32_t* arguments,
                                 std::size_t count) {
  std::uint32_t bytesPopped = 0;
  const std::uint32_t result =
      kvnCallRestoringStack(function, arguments, static_cast<std::uint32_t>(count), &bytesPopped);
  // A call without arguments pops nothing in either convention; a callee
  // that pops some other amount is broken, and shows nothing either.
  if (seen == CalleeConvention::NotSeen && count > 0) {
    if (bytesPopped == count * sizeof(std::uint32_t)) {
      seen = CalleeConvention::PopsArguments;
    } else if (bytesPopped == 0) {
      seen = CalleeConvention::LeavesArguments;
    }
  }
  return result;
}

CalleeConvention observedConvention() {
  return seen;
}

}  // namespace kvn::binding

#endif
