# SPDX-License-Identifier: MIT
# The Debian package, built with `cpack -G DEB` in the build folder. It installs what
# cmake/Install.cmake installs, under /usr.

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME orvane)
set(CPACK_PACKAGE_VENDOR "The Orvane developers")
set(CPACK_PACKAGE_CONTACT "The Orvane developers <developers@orvane.example.org>")
set(CPACK_PACKAGE_HOMEPAGE_URL https://orvane.example.org/)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "colour-scheme designer")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Orvane derives a scheme of sixteen related colours from one current colour, set by typed "
  "RGB or HEX values, sliders, swatches, a web-safe palette, a spectrum or any pixel on the "
  "screen. It adjusts the colour, keeps favourites and a history, shows colour harmonies, "
  "previews the scheme on a web page and saves it as a scheme file.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

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
