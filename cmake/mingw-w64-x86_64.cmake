# Cross-building the Windows edition on Debian with mingw-w64 (the POSIX
# threads flavour, which has std::thread and std::mutex), testing under Wine.
#   cmake -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-w64-x86_64.cmake ...   (or the windows preset)
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(VENDREL_MINGW_PREFIX x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${VENDREL_MINGW_PREFIX}-gcc-posix)
set(CMAKE_CXX_COMPILER ${VENDREL_MINGW_PREFIX}-g++-posix)
set(CMAKE_RC_COMPILER ${VENDREL_MINGW_PREFIX}-windres)

# Libraries and headers only from the mingw-w64 tree, programs from the host.
set(CMAKE_FIND_ROOT_PATH /usr/${VENDREL_MINGW_PREFIX})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# A program is one .exe that needs no DLL beyond those every Windows has:
# the C++ runtime, libgcc and winpthread are linked in.
set(CMAKE_EXE_LINKER_FLAGS_INIT -static)

# Test programs run under Wine, in the prefix named by WINEPREFIX.
find_program(VENDREL_WINE wine)
if(VENDREL_WINE)
    set(CMAKE_CROSSCOMPILING_EMULATOR ${VENDREL_WINE})
endif()
