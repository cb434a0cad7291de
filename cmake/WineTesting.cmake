# Windows programs built here run under Wine, in a private prefix inside the
# build folder, with the Japanese ANSI code page (932). The 64-bit test twin
# runs under Wine's 64-bit loader, which Debian keeps out of the PATH (its
# `wine` always takes the 32-bit one when that is installed).
set(TAVIKAN_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
if(TAVIKAN_TEST_TWIN)
    find_program(TAVIKAN_WINE_LOADER NAMES wine64 PATHS /usr/lib/wine NO_DEFAULT_PATH)
    find_program(TAVIKAN_WINE_LOADER NAMES wine64)
    set(TAVIKAN_WINEARCH win64)
else()
    set(TAVIKAN_WINE_LOADER wine)
    set(TAVIKAN_WINEARCH win32)
endif()
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine-run.in ${CMAKE_BINARY_DIR}/wine-run
               FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE
                                WORLD_READ WORLD_EXECUTE
               @ONLY)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine-run)
