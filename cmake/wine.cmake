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
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.sh.in ${CMAKE_BINARY_DIR}/wine-run @ONLY
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
