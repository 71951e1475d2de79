# Cross-building for 64-bit Windows with Debian's mingw-w64 (g++-mingw-w64-x86-64-posix: the
# POSIX thread model, which std::thread and std::mutex need). Programs built this way run on
# Linux under wine, which is also how the tests run (CMAKE_CROSSCOMPILING_EMULATOR).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(TOMBREL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${TOMBREL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${TOMBREL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${TOMBREL_MINGW_PREFIX}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${TOMBREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# One self-contained .exe each: no libstdc++, libgcc or winpthread DLLs to carry along.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static -static-libgcc -static-libstdc++")

find_program(TOMBREL_WINE NAMES wine64 wine)
if(TOMBREL_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${TOMBREL_WINE})
endif()
