# The test suites built for Windows and run here under Wine: GoogleTest built
# from Debian's sources with the cross compiler, and Wine as the emulator that
# CTest and test discovery start every .exe through. Wine keeps its prefix
# (its C: drive and registry) inside the build folder, without a display, so
# it never opens a window.
find_program(MESHSMITH_WINE NAMES wine64 wine PATHS /usr/lib/wine
    DOC "Wine, to run the Windows test suites (Debian: /usr/lib/wine/wine64)")
find_program(MESHSMITH_WINESERVER NAMES wineserver PATHS /usr/lib/wine DOC "Wine's server")
if(NOT MESHSMITH_WINE OR NOT MESHSMITH_WINESERVER)
    message(FATAL_ERROR "Wine not found: install wine64, or configure with -DMESHSMITH_BUILD_TESTS=OFF")
endif()
# No Mono or Gecko installer is offered when the prefix is made.
set(MESHSMITH_WINE_ENV --unset=DISPLAY WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix WINEDEBUG=-all
    "WINEDLLOVERRIDES=mscoree,mshtml=")
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_COMMAND} -E env ${MESHSMITH_WINE_ENV} ${MESHSMITH_WINE})

# Programs that start together on a prefix still being made, or while the
# server is ending, fail at random. So the fixture "wine" makes the prefix and
# keeps one server up (a minute past its last program, should a run be
# interrupted) before any suite starts, and ends it after the last. The server
# and Wine's own services outlive the setup, so they get no pipe of CTest's.
add_test(NAME wine_start COMMAND ${CMAKE_COMMAND} -E env ${MESHSMITH_WINE_ENV} sh -c
    "mkdir -p \"$WINEPREFIX\" && exec </dev/null >/dev/null 2>&1 && \"$0\" -p60 && \"$1\" cmd /c exit"
    ${MESHSMITH_WINESERVER} ${MESHSMITH_WINE})
add_test(NAME wine_stop COMMAND ${CMAKE_COMMAND} -E env ${MESHSMITH_WINE_ENV} ${MESHSMITH_WINESERVER} -k)
set_tests_properties(wine_start PROPERTIES FIXTURES_SETUP wine)
set_tests_properties(wine_stop PROPERTIES FIXTURES_CLEANUP wine)

# The suites' own code (and GoogleTest) is built without optimisation, which
# halves its compile time; the code under test keeps the build type's flags.
add_compile_options(-O0)

set(MESHSMITH_GTEST_SOURCE /usr/src/googletest CACHE PATH "GoogleTest sources (Debian package googletest)")
set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(${MESHSMITH_GTEST_SOURCE} ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)
# It names its targets GTest::gtest and GTest::gtest_main, as the installed package does.

# Every start of a program under Wine costs a good part of a second, so each
# suite runs as one test (GoogleTest names each failing case in its output).
function(gtest_discover_tests target)
    add_test(NAME ${target} COMMAND ${target})
    set_tests_properties(${target} PROPERTIES FIXTURES_REQUIRED wine)
endfunction()
