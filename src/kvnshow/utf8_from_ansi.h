// The records' texts are 8-bit, in the Windows ANSI code page of the machine
// that wrote them; data for scripts is UTF-8.
#ifndef KVNSHOW_UTF8_FROM_ANSI_H
#define KVNSHOW_UTF8_FROM_ANSI_H

#include <cstddef>
#include <string>
#include <string_view>

namespace kvn {

// Converts texts one at a time, reusing its own room, so that a listing of
// any length allocates nothing once the longest text has been seen, or once
// room for it was reserved.
class Utf8FromAnsi {
 public:
  // Room for texts of up to longestAnsi bytes, so that converting them
  // allocates nothing.
  void reserve(std::size_t longestAnsi);

  // The text in UTF-8: on Windows converted from the process's ANSI code
  // page, elsewhere from Windows-1252, the code page of Western Windows. A
  // text of ASCII alone is handed back as it is; a converted one is valid
  // until the next call.
  std::string_view convert(std::string_view ansi);

 private:
  std::string utf8_;
#if defined(_WIN32)
  std::wstring wide_;
#endif
};

}  // namespace kvn

#endif  // KVNSHOW_UTF8_FROM_ANSI_H
