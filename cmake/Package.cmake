# The Debian package: `cpack -G DEB` in the build directory.
set(CPACK_PACKAGE_NAME "sorvat")
set(CPACK_PACKAGE_VENDOR "Sorvat developers")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "player and solver for 9x9 number-placement puzzles")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
  "Sorvat loads a puzzle file (md1/md2) and lets you play it on a drawn board with the three "
  "mouse buttons, with a logical analysis at ten levels, a next-move hint explained in "
  "Japanese, undo and redo, an answer check that moves on to the next puzzle of the "
  "directory, printing and a spreadsheet export. The interface is Japanese. The package "
  "also holds sorvat-cli, which solves, grades and converts puzzles in batch.")
set(CPACK_PACKAGE_CONTACT "Sorvat developers <sorvat@localhost>")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "games")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
# Libraries (Qt, the office's runtime) are found by dpkg-shlibdeps; what the
# program needs besides them is listed here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS
  "fonts-ipafont-gothic, libreoffice-calc-nogui | libreoffice-calc, xdg-utils, coreutils")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "xchm | kchmviewer")
# Qt's own Japanese texts (standard buttons, print dialogs).
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
