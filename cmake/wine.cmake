# Cross-built for Windows on Linux: programs run under Wine, through a
# wrapper that gives them a prefix of their own in the build folder.
find_program(KLONKATRON_WINE NAMES wine64 wine PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(KLONKATRON_WINE NAMES wine64 wine)
find_program(KLONKATRON_WINESERVER NAMES wineserver64 wineserver PATHS /usr/lib/wine NO_DEFAULT_PATH)
find_program(KLONKATRON_WINESERVER NAMES wineserver64 wineserver)
if(NOT KLONKATRON_WINE OR NOT KLONKATRON_WINESERVER)
  message(FATAL_ERROR "Wine is needed to run the Windows programs: install wine64 "
                      "(packaging/debian-windows-deps.txt)")
endif()
set(KLONKATRON_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
# The prefix and its server (start, stop, run): the test run starts the
# server once as the fixture `wine_prefix` (tests/CMakeLists.txt), and every
# test under Wine requires it through KLONKATRON_WINE_TEST_PROPERTIES.
set(KLONKATRON_WINE_PREFIX_SCRIPT ${CMAKE_BINARY_DIR}/wine-prefix)
set(KLONKATRON_WINE_TEST_PROPERTIES FIXTURES_REQUIRED wine_prefix)
# The build lists the tests of a test program by running it: the first
# program of a build may wait while the prefix is made (a minute or more).
set(KLONKATRON_DISCOVERY_TIMEOUT 900)
set(KLONKATRON_WINE_SCRIPTS ${CMAKE_CURRENT_LIST_DIR})
# Writes one of the scripts (wine-prefix or wine-run) to a path.
function(klonkatron_wine_script script path)
  configure_file(${KLONKATRON_WINE_SCRIPTS}/${script}.sh.in ${path} @ONLY
                 FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                  WORLD_READ WORLD_EXECUTE)
endfunction()
klonkatron_wine_script(wine-prefix ${KLONKATRON_WINE_PREFIX_SCRIPT})
klonkatron_wine_script(wine-run ${CMAKE_BINARY_DIR}/wine-run)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
