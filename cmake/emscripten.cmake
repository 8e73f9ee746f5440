# Building for web pages with Debian's emscripten (3.1.6): its own CMake
# platform file, with the test programs run under Node (cmake/web.cmake
# sets the rest once the project has started).
set(KLONKATRON_EMSCRIPTEN_PLATFORM /usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
if(NOT EXISTS ${KLONKATRON_EMSCRIPTEN_PLATFORM})
  message(FATAL_ERROR "Debian's emscripten is needed for the web build: install it "
                      "(packaging/debian-web-deps.txt)")
endif()

# Programs built for Node run under Node 20 only without its own fetch,
# which would otherwise load the module by URL, and fail to, from a file
# path. (Set before the platform file, which would pick plain Node.)
find_program(KLONKATRON_NODE NAMES node nodejs REQUIRED)
set(CMAKE_CROSSCOMPILING_EMULATOR ${KLONKATRON_NODE} --no-experimental-fetch)

include(${KLONKATRON_EMSCRIPTEN_PLATFORM})
