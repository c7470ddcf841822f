# Cross-compiles for 32-bit Windows with MinGW-w64 (Debian package mingw-w64),
# for a site whose KVWIN32.dll is a 32-bit library, as the vendor's usually is.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(KVN_MINGW_TRIPLET i686-w64-mingw32)
set(KVN_OLDEST_WINDOWS 5.1)  # Windows XP SP3
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
