# `cpack -G DEB` in the build folder makes a Debian package of what `cmake --install` puts
# in place. Its run-time dependencies are read off the binary by dpkg-shlibdeps.
set(CPACK_PACKAGE_NAME vorrintal)
set(CPACK_PACKAGE_VENDOR ${VORRINTAL_VENDOR})
set(VORRINTAL_MAINTAINER "Vorrintal maintainers <maintainers@users.noreply.c-seed-dcce0237.example>"
    CACHE STRING "Maintainer of the Debian package: name <address>")
set(CPACK_PACKAGE_CONTACT ${VORRINTAL_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "points tally for the players of one game")
# Debian shows each line of the long description as it stands: at most 80 columns each.
set(CPACK_PACKAGE_DESCRIPTION
    "Give the game a title, add players by name, add points to any player at\n\
any time (a negative number takes points away), ask who won, and restart\n\
with every total back at 0. Nothing is stored on disk.")
set(CPACK_PACKAGE_HOMEPAGE_URL ${VORRINTAL_HOMEPAGE})
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# A tally kept beside a game, not a game itself: Debian keeps "games" for the games.
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Qt loads its platform plugins and catalogues at run time, out of sight of
# dpkg-shlibdeps: X11 comes with the Qt GUI library; Wayland, and Qt's own texts in the
# user's language, need their own packages.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-wayland, qt6-translations-l10n")

include(CPack)
