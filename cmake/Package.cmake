# SPDX-FileCopyrightText: 2026 The Zerbo developers
# SPDX-License-Identifier: GPL-3.0-or-later

# The Debian package (`make package`): installs into /usr; Depends holds the
# libraries the program links, found by dpkg-shlibdeps, and Qt's German
# translations, which the program loads at start.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME zerbo)
set(CPACK_PACKAGE_VENDOR "The Zerbo developers")
set(CPACK_PACKAGE_CONTACT "The Zerbo developers <zerbo@zerbo.example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "cutting data calculator for the machine shop (German)")
# The description's lines stay within Debian's limit of 80 characters.
set(CPACK_PACKAGE_DESCRIPTION
    "Zerbo recommends cutting speed and feed for milling, turning, drilling,\n\
reaming, countersinking and sawing from built-in tables and computes\n\
spindle speed, feed rate, removal rate, power, specific cutting force\n\
and chip thickness. The user interface is German.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://zerbo.example.org/")
include(CPack)
