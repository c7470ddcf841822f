// A Windows program gets its command line as Unicode text, and the C runtime
// hands it to main in the ANSI code page (1252 here). Wine makes that text
// from the UTF-8 of its Unix arguments. To give the Windows program the same
// bytes as the Linux one, each byte is passed as the character that code page
// 1252 gives it, written in UTF-8.
#ifndef KVN_TESTS_E2E_WINDOWS_ARGUMENTS_H
#define KVN_TESTS_E2E_WINDOWS_ARGUMENTS_H

#include <string>
#include <string_view>

namespace kvn::e2e {

// The UTF-8 text whose conversion to code page 1252 gives bytes back. The five
// bytes that code page leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) go as the
// control characters of the same number, which Windows maps back to them.
std::string utf8FromCodePage1252(std::string_view bytes);

}  // namespace kvn::e2e

#endif  // KVN_TESTS_E2E_WINDOWS_ARGUMENTS_H
