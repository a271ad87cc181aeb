# SPDX-License-Identifier: MIT
# The Windows build that scripts/windows-check.sh makes with cmake/mingw-w64.cmake: colour, core,
# the plain part of filedialog with the Win32 dialog backend and the web page builder, and the
# tests of these, which ctest runs under Wine in a Wine prefix inside the build folder.
add_compile_definitions(UNICODE _UNICODE WIN32_LEAN_AND_MEAN NOMINMAX)
add_subdirectory(src/colour)
add_subdirectory(src/core)
add_subdirectory(src/filedialog)
add_subdirectory(src/webpreview)

set(BUILD_GMOCK OFF CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

if(CMAKE_CROSSCOMPILING)
  # Wine's own prompts to install its .NET and HTML engines, and its debugger started on a
  # crash, would wait for a click forever.
  set(CMAKE_CROSSCOMPILING_EMULATOR env WINEPREFIX=${CMAKE_BINARY_DIR}/wine WINEDEBUG=-all
      WINEDLLOVERRIDES=mscoree,mshtml,winedbg.exe= wine)
endif()
enable_testing()
# The test cases are listed when ctest runs, under Wine, not while building.
set(CMAKE_GTEST_DISCOVER_TESTS_DISCOVERY_MODE PRE_TEST)
add_subdirectory(tests)
