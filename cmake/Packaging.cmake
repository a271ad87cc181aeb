# SPDX-License-Identifier: MIT
# The Debian package, built with `cpack -G DEB` in the build folder. It installs what
# cmake/Install.cmake installs, under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VENDOR "The Orvane developers")
set(CPACK_PACKAGE_CONTACT "The Orvane developers <developers@orvane.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://orvane.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour-scheme designer")
# The control file wants lines of at most 80 columns, each after a leading space, and " ." for
# an empty line. CPack puts the summary first and adds those spaces and dots to the lines it is
# given here, already broken at 79 columns. (It passes text that already has them on verbatim,
# but CMake 3.25 strips the space of the last line and then adds a second one to all others.)
string(CONCAT CPACK_DEBIAN_PACKAGE_DESCRIPTION
  "Orvane derives a scheme of sixteen related colours from one current colour,\n"
  "set by typed RGB or HEX values, sliders, swatches, a web-safe palette, a\n"
  "spectrum or any pixel on the screen. It lightens, darkens, saturates and\n"
  "desaturates the colour, keeps favourites and a history, and shows colour\n"
  "harmonies.\n"
  "\n"
  "The scheme can be tried on a mock web page with its WCAG contrast ratios,\n"
  "seen as viewers with colour-vision deficiencies see it, saved as a scheme\n"
  "file and exported as a palette for other programs.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
# Stripping leaves the compiler's notes in the program; this script takes them out of the staged
# copy, as Debian's own packages do.
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_LIST_DIR}/PackageStrip.cmake)
set(CPACK_ORVANE_STRIP ${CMAKE_STRIP})
set(CPACK_ORVANE_PROGRAM ${ORVANE_INSTALL_PROGRAMDIR}/orvane)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps (from dpkg-dev) adds the Qt, C++ and C libraries the program links. Qt finds
# its display back ends as plugins at run time, which no linker records, so they are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS qt6-qpa-plugins)
# Qt's own translations, for its dialogs in the languages Orvane speaks.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS qt6-translations-l10n)
# F1 hands help.chm to the desktop, which needs a CHM viewer to show it.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS xchm)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
