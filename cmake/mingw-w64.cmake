# The part of the MinGW-w64 toolchain files that both architectures share:
# mingw-w64-x86_64.cmake and mingw-w64-i686.cmake set KVN_MINGW_TRIPLET,
# CMAKE_SYSTEM_PROCESSOR and KVN_OLDEST_WINDOWS, the oldest Windows the
# programs start on (major.minor: 5.1 is Windows XP, 5.2 Windows Server 2003
# and Windows XP x64), then include this.
set(CMAKE_SYSTEM_NAME Windows)

# The win32 thread model: the POSIX one links in a threads runtime, which
# this single-threaded program does not use, that imports calls of Windows
# Vista (GetTickCount64) and so keeps the programs from starting on older ones.
find_program(CMAKE_C_COMPILER NAMES ${KVN_MINGW_TRIPLET}-gcc-win32 REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${KVN_MINGW_TRIPLET}-g++-win32 REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KVN_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KVN_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The system's headers declare only what that Windows has.
string(REPLACE "." ";" kvn_windows_version ${KVN_OLDEST_WINDOWS})
list(GET kvn_windows_version 0 kvn_windows_major)
list(GET kvn_windows_version 1 kvn_windows_minor)
math(EXPR kvn_windows_winnt "(${kvn_windows_major} << 8) | ${kvn_windows_minor}" OUTPUT_FORMAT HEXADECIMAL)
set(kvn_windows_definitions "-D_WIN32_WINNT=${kvn_windows_winnt} -DWINVER=${kvn_windows_winnt}")
set(CMAKE_C_FLAGS_INIT "${kvn_windows_definitions}")
set(CMAKE_CXX_FLAGS_INIT "${kvn_windows_definitions}")
set(CMAKE_RC_FLAGS_INIT "${kvn_windows_definitions}")

# The .exe and the .dll run without the compiler's runtime DLLs beside them.
# Their headers name the oldest Windows they start on, which refuses them
# plainly on anything older, and carry no link time, so that the same source
# links to the same bytes.
set(kvn_windows_link_flags "-static-libgcc -static-libstdc++ -static -Wl,--no-insert-timestamp")
foreach(field os subsystem)
  string(APPEND kvn_windows_link_flags
    " -Wl,--major-${field}-version,${kvn_windows_major},--minor-${field}-version,${kvn_windows_minor}")
endforeach()
set(CMAKE_EXE_LINKER_FLAGS_INIT "${kvn_windows_link_flags}")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "${kvn_windows_link_flags}")
