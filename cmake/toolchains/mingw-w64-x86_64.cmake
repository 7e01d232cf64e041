# Cross-compiles for 64-bit Windows with Debian's MinGW-w64 toolchain, in its POSIX thread
# flavour (std::thread needs it): packages g++-mingw-w64-x86-64-posix and
# binutils-mingw-w64-x86-64. Used by scripts/build-windows.sh.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(KVF_MINGW_PREFIX x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${KVF_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KVF_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${KVF_MINGW_PREFIX}-windres)

# Libraries and headers of the target come from the toolchain's root; CLI11 and
# nlohmann-json, header-only, are taken from the build machine's packages.
set(CMAKE_FIND_ROOT_PATH /usr/${KVF_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE BOTH)
