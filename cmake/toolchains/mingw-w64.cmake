# Cross-builds for 64-bit Windows with Debian's mingw-w64 compilers (the "posix" thread model,
# which std::thread and std::mutex need). scripts/build-windows.sh uses it for the libraries and
# for the game; KIPTO2_WINDOWS_PREFIX (an environment variable, so that CMake's test projects
# see it too) names the folder the cross-built libraries are installed in.
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${MINGW_TRIPLET}-windres)
set(CMAKE_AR ${MINGW_TRIPLET}-gcc-ar-posix CACHE FILEPATH "Archiver")
set(CMAKE_RANLIB ${MINGW_TRIPLET}-gcc-ranlib-posix CACHE FILEPATH "Ranlib")

# Libraries and headers come from the mingw-w64 runtime and the cross-built prefix only;
# programs (pkg-config, code generators) from the build machine.
set(CMAKE_FIND_ROOT_PATH /usr/${MINGW_TRIPLET})
if(DEFINED ENV{KIPTO2_WINDOWS_PREFIX})
  list(APPEND CMAKE_FIND_ROOT_PATH $ENV{KIPTO2_WINDOWS_PREFIX})
endif()
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C and C++ runtimes go into the program, so that it needs no compiler DLLs beside it.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")
set(CMAKE_SHARED_LINKER_FLAGS_INIT "-static-libgcc -static-libstdc++")

# Test programs (and GoogleTest's discovery of their tests) run under Wine.
find_program(KIPTO2_WINE NAMES wine wine64)
if(KIPTO2_WINE)
  set(CMAKE_CROSSCOMPILING_EMULATOR ${KIPTO2_WINE})
endif()
