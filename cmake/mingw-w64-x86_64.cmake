# Cross-building for 64-bit Windows with Debian's MinGW-w64 compiler
# (g++-mingw-w64-x86-64-posix: the variant with the C++ thread library).
# Only the parts without Qt build this way (KLONKATRON_WITH_QT OFF); the
# test executables run under Wine (cmake/wine.cmake).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR x86_64)

set(KLONKATRON_MINGW_TRIPLET x86_64-w64-mingw32)
set(CMAKE_C_COMPILER ${KLONKATRON_MINGW_TRIPLET}-gcc-posix)
set(CMAKE_CXX_COMPILER ${KLONKATRON_MINGW_TRIPLET}-g++-posix)
set(CMAKE_RC_COMPILER ${KLONKATRON_MINGW_TRIPLET}-windres)

set(CMAKE_FIND_ROOT_PATH /usr/${KLONKATRON_MINGW_TRIPLET})
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)

# The C++ runtime, libgcc and winpthread linked in: the programs run
# without MinGW's DLLs beside them, on Windows as under Wine.
set(CMAKE_EXE_LINKER_FLAGS_INIT "-static")
