# Cross-compiles for 64-bit Windows with MinGW-w64 (Debian package mingw-w64),
# for a site whose KVWIN32.dll is a 64-bit library.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KVN_MINGW_TRIPLET x86_64-w64-mingw32)
set(KVN_OLDEST_WINDOWS 5.2)  # Windows XP x64 and Windows Server 2003 x64
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
