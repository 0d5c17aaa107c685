# SPDX-License-Identifier: GPL-3.0-or-later
# `cpack -G DEB` in a build tree makes the game's Debian package.
# packaging/make-deb.sh configures such a tree as Debian builds its own
# packages (installed under /usr, with its hardening flags) and runs it.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME ossaria)
set(CPACK_PACKAGE_VENDOR "The Ossaria developers")
set(CPACK_PACKAGE_CONTACT "The Ossaria developers <maintainers@users.noreply.c-seed-57ab3309.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "naval grid game for two players over the network")
set(CPACK_PACKAGE_DESCRIPTION "Two players on two machines each hide a fleet of five ships on a ten by
ten sea and take turns firing at the other's sea, one square a shot. The
first to sink every square of the other fleet wins. A chat window opens
between the players, and a computer opponent is there for playing alone.")
# Installed through DESTDIR, so that the install sees the prefix the package
# puts its files under, as the menu entry's paths must.
set(CPACK_SET_DESTDIR ON)
set(CPACK_INSTALL_PREFIX /usr)
set(CPACK_OSSARIA_STRIP ${CMAKE_STRIP})
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_CURRENT_SOURCE_DIR}/DebianStrip.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
# The libraries the programs link come from dpkg-shlibdeps. What is loaded
# only at run time the game does without: without the sound library and its
# backend for the desktop's sound server it is silent, without the sound
# theme its beep is silent where the display has no bell (Wayland), without
# the narrow face its windows were laid out for it falls back on another, and
# without Qt's translations the standard buttons of its message boxes stay
# English in a translated game.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
  "libcanberra0, libcanberra-pulse, sound-theme-freedesktop, fonts-dejavu-extra, qt6-translations-l10n")
include(CPack)
