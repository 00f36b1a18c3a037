# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package made by scripts/package (cpack -G DEB). Library dependencies are found by
# dpkg-shlibdeps from the program itself; only what the program loads at run time without
# linking it is listed here: Qt's SQLite driver (a plug-in) and the fonts the skin and reels
# are drawn with.
set(CPACK_GENERATOR "DEB")
set(CPACK_PACKAGE_NAME "sortilo")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_VENDOR "The Sortilo developers")
set(CPACK_PACKAGE_CONTACT "Sortilo developers <support@sortilo.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "prize draw for company events")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Runs the prize draw of a company event on a projector: eight slot-machine\n"
    "reels stop on the number of a participant drawn at random among those who\n"
    "have not won yet, and every winner is stored at once. Each event keeps its\n"
    "data in a folder of its own.")
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "misc")
set(CPACK_DEBIAN_PACKAGE_PRIORITY "optional")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://sortilo.example.org/")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, qt6-translations-l10n, fonts-noto-cjk, fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "xdg-utils")
include(CPack)
