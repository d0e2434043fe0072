# Windows x86-64 with Debian's MinGW-w64 (g++-mingw-w64-x86-64-posix: the
# POSIX thread model, so std::thread and std::mutex work). Everything is linked
# statically: the one orvex-cli.exe runs on a bare Windows 10 or 11.
#   cmake -S . -B build-windows -G Ninja \
#     -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(ORVEX_MINGW_TRIPLE x86_64-w64-mingw32)

set(CMAKE_C_COMPILER ${ORVEX_MINGW_TRIPLE}-gcc-posix)
set(CMAKE_CXX_COMPILER ${ORVEX_MINGW_TRIPLE}-g++-posix)
set(CMAKE_RC_COMPILER ${ORVEX_MINGW_TRIPLE}-windres)

# Libraries and packages from the MinGW tree only; programs from the host.
# The header-only packages (CLI11, nlohmann-json) are Debian's, given their
# own folders by cmake/Windows.cmake.
set(CMAKE_FIND_ROOT_PATH /usr/${ORVEX_MINGW_TRIPLE})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# No DLL of the compiler's (libstdc++, libgcc, winpthread) beside the exe.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

# Tests and tools run through Wine when CMake or CTest runs them.
find_program(ORVEX_WINE64 wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
if(ORVEX_WINE64)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${ORVEX_WINE64})
endif()
