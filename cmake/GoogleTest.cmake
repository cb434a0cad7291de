# GoogleTest: Debian's prebuilt library on the host; for Windows it is built
# from the sources that Debian's googletest package installs (no downloads).
include(GoogleTest)
if(WIN32)
    set(GOOGLETEST_SOURCE_DIR /usr/src/googletest CACHE PATH "GoogleTest sources")
    set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
    set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
    set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
    # GoogleTest's own sources are not ours to hold to -Werror.
    add_subdirectory(${GOOGLETEST_SOURCE_DIR} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
    foreach(target gtest gtest_main)
        target_compile_options(${target} PRIVATE -Wno-error)
    endforeach()
else()
    find_package(GTest REQUIRED)
endif()

# tavikan_add_gtest(name sources... [LIBS libs...]): one GoogleTest executable,
# its tests discovered when ctest runs (under Wine in the Windows build). With
# TAVIKAN_WINE_TESTS off the program is built but not registered: listing its
# tests would already need Wine.
function(tavikan_add_gtest name)
    cmake_parse_arguments(ARG "" "" "LIBS" ${ARGN})
    add_executable(${name} ${ARG_UNPARSED_ARGUMENTS})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} GTest::gtest GTest::gtest_main)
    if(NOT WIN32 OR TAVIKAN_WINE_TESTS)
        gtest_discover_tests(${name} DISCOVERY_MODE PRE_TEST DISCOVERY_TIMEOUT 60
                             PROPERTIES TIMEOUT 120)
    endif()
endfunction()
