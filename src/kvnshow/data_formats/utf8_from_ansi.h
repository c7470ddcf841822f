// The records' texts are 8-bit, in the Windows ANSI code page of the machine
// that wrote them; data for scripts is UTF-8.
//
// Every platform gives the same UTF-8 for the same bytes. A character of the
// page becomes its Unicode character. Anything else becomes U+FFFD, one for
// its first byte, and the conversion goes on at the next byte: a byte the page
// leaves undefined, a lead byte whose next byte makes no character with it
// (that byte is then read on its own), a lead byte at the end of the text (cut
// by the end of its field's room, or followed by the terminator). So does a
// character that the system converts to a C1 control or to a private-use
// character: Windows gives those for bytes the page's published table leaves
// undefined and for the user-defined areas, and other systems do not.
#ifndef KVNSHOW_DATA_FORMATS_UTF8_FROM_ANSI_H
#define KVNSHOW_DATA_FORMATS_UTF8_FROM_ANSI_H

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace kvn {

// Converts texts one at a time into room of its own, so that converting
// allocates nothing.
class Utf8FromAnsi {
 public:
  // The longest text converted whole; the rest of a longer one is left out.
  // Every record text the data formats show is shorter (checked where they
  // are read).
  static constexpr std::size_t kLongestText = 1024;

  // The pages -cp takes: the ANSI code pages of Windows.
  static bool isAnsiCodePage(std::uint32_t page);

  // The conversion from page, one of the pages above; empty when this system
  // cannot convert it. Page 0 is the default: the process's ANSI code page on
  // Windows, 1252 elsewhere. Throws std::bad_alloc when memory is short.
  static std::optional<Utf8FromAnsi> open(std::uint32_t page);

  Utf8FromAnsi(const Utf8FromAnsi&) = delete;
  Utf8FromAnsi& operator=(const Utf8FromAnsi&) = delete;
  Utf8FromAnsi(Utf8FromAnsi&& other) noexcept;
  Utf8FromAnsi& operator=(Utf8FromAnsi&& other) noexcept;
  ~Utf8FromAnsi();

  // The text in UTF-8. A text of ASCII alone is handed back as it is; a
  // converted one is valid until the next call.
  std::string_view convert(std::string_view ansi);

 private:
  Utf8FromAnsi() = default;

  // The character of the page that begins text, and how many bytes it takes;
  // 0 bytes when the bytes there make no character of the page.
  struct Decoded {
    char32_t character = 0;
    std::size_t length = 0;
  };
  Decoded decodeMultiByte(std::string_view text);
  // The whole text of a multi-byte page with one call of the system, when
  // it holds characters of the page alone; false, with nothing kept,
  // otherwise.
  bool appendWhole(std::string_view text);
  void append(char32_t character);

  std::uint32_t page_ = 0;
  // Single-byte pages: each byte's character (U+FFFD where it has none).
  // Double-byte pages: unused, each character is asked of the system.
  bool singleByte_ = true;
  std::array<char32_t, 256> characters_{};
#if defined(_WIN32)
  unsigned maxCharSize_ = 1;
#else
  void* converter_ = nullptr;  // iconv_t, kept opaque here
#endif
  std::size_t used_ = 0;
  std::array<char, 4 * kLongestText> utf8_{};
  // The system's output for appendWhole: UTF-16, at most a unit a byte, on
  // Windows; UTF-32LE elsewhere.
#if defined(_WIN32)
  std::array<wchar_t, kLongestText> wide_{};
#else
  std::array<unsigned char, 4 * kLongestText> wide_{};
#endif
};

}  // namespace kvn

#endif  // KVNSHOW_DATA_FORMATS_UTF8_FROM_ANSI_H
