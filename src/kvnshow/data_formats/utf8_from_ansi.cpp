#include "kvnshow/data_formats/utf8_from_ansi.h"

#include <algorithm>
#include <new>
#include <utility>

#if defined(_WIN32)
#include <windows.h>
#else
#include <iconv.h>

#include <cerrno>
#include <cstdio>
#endif

namespace kvn {

namespace {

constexpr char32_t kReplacement = 0xFFFD;

bool isAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(),
                     [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// False for what the systems disagree on: the C1 controls, the surrogates and
// the private-use characters (of the plane of the code pages and the planes
// beyond), and anything past Unicode.
bool isCharacterOfPage(char32_t c) {
  const bool c1 = c >= 0x80 && c <= 0x9F;
  const bool surrogateOrPrivate = c >= 0xD800 && c <= 0xF8FF;
  return !c1 && !surrogateOrPrivate && c < 0xF0000;
}

#if defined(_WIN32)
bool isHighSurrogate(wchar_t unit) {
  return unit >= 0xD800 && unit <= 0xDBFF;
}

bool isLowSurrogate(wchar_t unit) {
  return unit >= 0xDC00 && unit <= 0xDFFF;
}

char32_t fromSurrogates(wchar_t high, wchar_t low) {
  return 0x10000 + ((static_cast<char32_t>(high) - 0xD800) << 10) +
         (static_cast<char32_t>(low) - 0xDC00);
}
#else
char32_t fromUtf32Le(const unsigned char* bytes) {
  return static_cast<char32_t>(bytes[0]) | (static_cast<char32_t>(bytes[1]) << 8) |
         (static_cast<char32_t>(bytes[2]) << 16) | (static_cast<char32_t>(bytes[3]) << 24);
}

iconv_t asIconv(void* converter) {
  return static_cast<iconv_t>(converter);
}

// One character from the start of text, as iconv gives it; error is EILSEQ
// for bytes that make no character, EINVAL for a character cut by the end.
struct IconvCharacter {
  char32_t character = 0;
  std::size_t length = 0;
  int error = 0;
};

IconvCharacter iconvOneCharacter(iconv_t converter, std::string_view text) {
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  std::array<unsigned char, 4> out{};
  // iconv's input is not const, but it only reads it.
  char* in = const_cast<char*>(text.data());  // NOLINT(cppcoreguidelines-pro-type-const-cast)
  std::size_t inLeft = text.size();
  char* outNext = reinterpret_cast<char*>(out.data());
  std::size_t outLeft = out.size();
  // Room for one UTF-32 character: iconv stops after it.
  const int error =
      iconv(converter, &in, &inLeft, &outNext, &outLeft) == static_cast<std::size_t>(-1) ? errno
                                                                                         : 0;
  if (outLeft == out.size() && (error == 0 || error == E2BIG)) {
    // Some decoders hold a character back for a combining one that may follow.
    iconv(converter, nullptr, nullptr, &outNext, &outLeft);
  }
  if (outLeft != 0) {
    return {0, 0, error == EINVAL ? EINVAL : EILSEQ};
  }
  return {fromUtf32Le(out.data()), text.size() - inLeft, 0};
}
#endif

}  // namespace

bool Utf8FromAnsi::isAnsiCodePage(std::uint32_t page) {
  static constexpr std::array<std::uint32_t, 5> kDoubleByteAndThai = {874, 932, 936, 949, 950};
  return std::find(kDoubleByteAndThai.begin(), kDoubleByteAndThai.end(), page) !=
             kDoubleByteAndThai.end() ||
         (page >= 1250 && page <= 1258);
}

std::optional<Utf8FromAnsi> Utf8FromAnsi::open(std::uint32_t page) {
  if (page != 0 && !isAnsiCodePage(page)) {
    return std::nullopt;
  }
  std::optional<Utf8FromAnsi> opened(Utf8FromAnsi{});
  Utf8FromAnsi& conversion = *opened;
#if defined(_WIN32)
  conversion.page_ = page == 0 ? GetACP() : page;
  CPINFO info{};
  if (GetCPInfo(conversion.page_, &info) == 0) {
    return std::nullopt;
  }
  conversion.maxCharSize_ = std::max<unsigned>(info.MaxCharSize, 1);
  conversion.singleByte_ = info.MaxCharSize == 1;
#else
  conversion.page_ = page == 0 ? 1252 : page;
  std::array<char, 16> name{};
  std::snprintf(name.data(), name.size(), "CP%u", static_cast<unsigned>(conversion.page_));
  iconv_t converter = iconv_open("UTF-32LE", name.data());
  if (converter == reinterpret_cast<iconv_t>(-1)) {  // NOLINT(performance-no-int-to-ptr)
    if (errno == ENOMEM) {
      throw std::bad_alloc();  // out of memory, not a page this system lacks
    }
    return std::nullopt;
  }
  conversion.converter_ = converter;
  for (unsigned byte = 0x80; byte < 0x100; ++byte) {
    const char text = static_cast<char>(byte);
    if (iconvOneCharacter(converter, std::string_view(&text, 1)).error == EINVAL) {
      conversion.singleByte_ = false;  // a lead byte
    }
  }
#endif
  if (conversion.singleByte_) {
    // Each byte asked of the system once: no decoder then joins a letter and
    // a combining mark that follows it, which Windows never does.
    for (unsigned byte = 0x80; byte < 0x100; ++byte) {
      const char text = static_cast<char>(byte);
      const Decoded decoded = conversion.decodeMultiByte(std::string_view(&text, 1));
      conversion.characters_[byte] = decoded.length == 1 && isCharacterOfPage(decoded.character)
                                         ? decoded.character
                                         : kReplacement;
    }
#if !defined(_WIN32)
    // Windows' 1255 has the Hebrew point holam haser for vav, which glibc's
    // table lacks.
    if (conversion.page_ == 1255) {
      conversion.characters_[0xCA] = 0x05BA;
    }
#endif
  }
  return opened;
}

Utf8FromAnsi::Utf8FromAnsi(Utf8FromAnsi&& other) noexcept {
  *this = std::move(other);
}

// The converted text is not carried over: it was valid until the next call.
Utf8FromAnsi& Utf8FromAnsi::operator=(Utf8FromAnsi&& other) noexcept {
  page_ = other.page_;
  singleByte_ = other.singleByte_;
  characters_ = other.characters_;
  used_ = 0;
#if defined(_WIN32)
  maxCharSize_ = other.maxCharSize_;
#else
  std::swap(converter_, other.converter_);
#endif
  return *this;
}

Utf8FromAnsi::~Utf8FromAnsi() {
#if !defined(_WIN32)
  if (converter_ != nullptr) {
    iconv_close(asIconv(converter_));
  }
#endif
}

Utf8FromAnsi::Decoded Utf8FromAnsi::decodeMultiByte(std::string_view text) {
#if defined(_WIN32)
  // The shortest run of bytes that the system takes as one character.
  const std::size_t longest = std::min<std::size_t>(maxCharSize_, text.size());
  for (std::size_t length = 1; length <= longest; ++length) {
    std::array<wchar_t, 2> wide{};
    const int units = MultiByteToWideChar(page_, MB_ERR_INVALID_CHARS, text.data(),
                                          static_cast<int>(length), wide.data(), 2);
    if (units == 1) {
      return {static_cast<char32_t>(wide[0]), length};
    }
    if (units == 2 && isHighSurrogate(wide[0]) && isLowSurrogate(wide[1])) {
      return {fromSurrogates(wide[0], wide[1]), length};
    }
  }
  return {};
#else
  const IconvCharacter decoded = iconvOneCharacter(asIconv(converter_), text);
  return {decoded.character, decoded.length};
#endif
}

bool Utf8FromAnsi::appendWhole(std::string_view text) {
#if defined(_WIN32)
  const int count =
      MultiByteToWideChar(page_, MB_ERR_INVALID_CHARS, text.data(), static_cast<int>(text.size()),
                          wide_.data(), static_cast<int>(wide_.size()));
  for (int i = 0; i < count; ++i) {
    char32_t character = wide_[i];
    if (isHighSurrogate(wide_[i]) && i + 1 < count && isLowSurrogate(wide_[i + 1])) {
      character = fromSurrogates(wide_[i], wide_[i + 1]);
      ++i;
    }
    if (!isCharacterOfPage(character)) {
      used_ = 0;
      return false;
    }
    append(character);
  }
  return count > 0;
#else
  iconv_t converter = asIconv(converter_);
  iconv(converter, nullptr, nullptr, nullptr, nullptr);
  char* in = const_cast<char*>(text.data());  // NOLINT(cppcoreguidelines-pro-type-const-cast)
  std::size_t inLeft = text.size();
  char* outNext = reinterpret_cast<char*>(wide_.data());
  std::size_t outLeft = wide_.size();
  if (iconv(converter, &in, &inLeft, &outNext, &outLeft) == static_cast<std::size_t>(-1)) {
    return false;
  }
  const std::size_t end = wide_.size() - outLeft;
  for (std::size_t i = 0; i < end; i += 4) {
    const char32_t character = fromUtf32Le(wide_.data() + i);
    if (!isCharacterOfPage(character)) {
      used_ = 0;
      return false;
    }
    append(character);
  }
  return true;
#endif
}

void Utf8FromAnsi::append(char32_t character) {
  const auto put = [this](char32_t byte) { utf8_[used_++] = static_cast<char>(byte); };
  if (character < 0x80) {
    put(character);
  } else if (character < 0x800) {
    put(0xC0 | (character >> 6));
    put(0x80 | (character & 0x3F));
  } else if (character < 0x10000) {
    put(0xE0 | (character >> 12));
    put(0x80 | ((character >> 6) & 0x3F));
    put(0x80 | (character & 0x3F));
  } else {
    put(0xF0 | (character >> 18));
    put(0x80 | ((character >> 12) & 0x3F));
    put(0x80 | ((character >> 6) & 0x3F));
    put(0x80 | (character & 0x3F));
  }
}

std::string_view Utf8FromAnsi::convert(std::string_view ansi) {
  if (isAscii(ansi)) {
    return ansi;
  }
  ansi = ansi.substr(0, kLongestText);
  used_ = 0;
  if (!singleByte_ && appendWhole(ansi)) {
    return {utf8_.data(), used_};
  }
  // Each byte gives one character at most, of four UTF-8 bytes at most: the
  // room holds any text.
  for (std::size_t next = 0; next < ansi.size();) {
    const auto byte = static_cast<unsigned char>(ansi[next]);
    if (byte < 0x80) {
      append(byte);
      ++next;
    } else if (singleByte_) {
      append(characters_[byte]);
      ++next;
    } else if (const Decoded decoded = decodeMultiByte(ansi.substr(next));
               decoded.length != 0 && isCharacterOfPage(decoded.character)) {
      append(decoded.character);
      next += decoded.length;
    } else {
      append(kReplacement);
      ++next;
    }
  }
  return {utf8_.data(), used_};
}

}  // namespace kvn
