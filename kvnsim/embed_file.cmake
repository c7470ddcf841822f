# Writes the bytes of INPUT into OUTPUT as the body of a C++ function that
# returns them, so that the library needs no file at run time:
#   cmake -DINPUT=... -DOUTPUT=... -DFUNCTION=... -DHEADER=... -P embed_file.cmake
# Bytes rather than a string literal, as some compilers cap literal lengths.
file(READ "${INPUT}" content HEX)
string(LENGTH "${content}" hex_length)
math(EXPR byte_count "${hex_length} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${content}")
string(REGEX REPLACE "(0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,0x..,)" "\\1\n    "
       bytes "${bytes}")
file(WRITE "${OUTPUT}.tmp" "// Generated from ${INPUT}; do not edit.
#include \"${HEADER}\"

namespace kvnsim {

namespace {
constexpr unsigned char kBytes[] = {
    ${bytes}};
}  // namespace

std::string_view ${FUNCTION}() {
  return {reinterpret_cast<const char*>(kBytes), ${byte_count}};  // NOLINT: char may alias bytes
}

}  // namespace kvnsim
")
file(COPY_FILE "${OUTPUT}.tmp" "${OUTPUT}" ONLY_IF_DIFFERENT)
file(REMOVE "${OUTPUT}.tmp")
