# The part of the MinGW-w64 toolchain files that both architectures share:
# mingw-w64-x86_64.cmake and mingw-w64-i686.cmake set KVN_MINGW_TRIPLET and
# CMAKE_SYSTEM_PROCESSOR, then include this.
set(CMAKE_SYSTEM_NAME Windows)

# The POSIX thread model: the C++ library's std::mutex needs it.
find_program(CMAKE_C_COMPILER NAMES ${KVN_MINGW_TRIPLET}-gcc-posix ${KVN_MINGW_TRIPLET}-gcc REQUIRED)
find_program(CMAKE_CXX_COMPILER NAMES ${KVN_MINGW_TRIPLET}-g++-posix ${KVN_MINGW_TRIPLET}-g++ REQUIRED)
find_program(CMAKE_RC_COMPILER NAMES ${KVN_MINGW_TRIPLET}-windres)
find_program(CMAKE_DLLTOOL NAMES ${KVN_MINGW_TRIPLET}-dlltool)

set(CMAKE_FIND_ROOT_PATH /usr/${KVN_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The .exe and the .dll run without the compiler's runtime DLLs beside them.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++ -static")
