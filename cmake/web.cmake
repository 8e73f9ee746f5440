# The web build (preset `web`, toolchain cmake/emscripten.cmake): what every
# target of it shares.

# Emscripten's JavaScript optimizer, run when a program is linked, loads
# acorn, which Debian's node-acorn puts in a folder that Node does not
# search by itself.
find_path(KLONKATRON_NODE_MODULES acorn/package.json PATHS /usr/share/nodejs /usr/lib/nodejs
          NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH)
if(NOT KLONKATRON_NODE_MODULES)
  message(FATAL_ERROR "Emscripten's optimizer needs acorn: install node-acorn "
                      "(packaging/debian-web-deps.txt)")
endif()
set(CMAKE_CXX_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env NODE_PATH=${KLONKATRON_NODE_MODULES})

# The core reports run-time errors as C++ exceptions, which emscripten
# leaves uncatchable unless asked. WebAssembly's own exception handling
# (in the major browsers since 2022, in Node since 17) costs nothing until one is
# thrown; emscripten's older way, through JavaScript, slows every call
# that may throw (the longest game tests ran two to three times slower).
# Nothing of emscripten's ports (-sUSE_*) is used:
# they would be downloaded while building.
add_compile_options(-fwasm-exceptions)
add_link_options(-fwasm-exceptions -sALLOW_MEMORY_GROWTH=1)

# A handler that waits for a message box is a coroutine, and an awaited one
# hands over to the one awaiting it directly (symmetric transfer), which
# WebAssembly does by tail calls (in the major browsers since 2023, in Node
# 20). Clang 14's library has only the experimental coroutine header, whose
# coming removal it warns of (forms/coroutine.h picks the header).
add_compile_options(-mtail-call -Wno-deprecated-experimental-coroutine)
add_link_options(-mtail-call)
