// UTF-16 text from UTF-8, for the zone names of the server information
// record, which the library writes as UTF-16LE.
#ifndef KVNSIM_UTF16_TEXT_H
#define KVNSIM_UTF16_TEXT_H

#include <string>
#include <string_view>

namespace kvnsim {

// The UTF-8 must be valid, as the JSON parser has checked it already.
std::u16string utf16FromUtf8(std::string_view utf8);

}  // namespace kvnsim

#endif  // KVNSIM_UTF16_TEXT_H
