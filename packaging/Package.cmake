# `cmake --workflow --preset package` (configure for /usr, build, `cpack -G DEB`) makes a
# Debian package of what `cmake --install` puts there; dpkg-shlibdeps finds its libraries.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quirn-puzzle)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_PACKAGE_CONTACT "${QUIRN_MAINTAINER}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "loop puzzle: draw one closed loop that agrees with every clue")
set(CPACK_PACKAGE_DESCRIPTION
  "Draw one closed loop along the lines between the dots of the board; a clue
digit in a square says how many of that square's four sides the loop uses. The
loop never crosses itself or branches, and every level has exactly one
solution. Four board sizes, each a series of 100 levels with its own progress,
two kinds of hint, skipping a level to play it later, four colour themes, sound
effects and a level editor. The level tool quirn-levels checks, solves and
generates levels.")
# Everything but the link script (component home), which serves prefixes the desktop
# does not search.
set(CPACK_INSTALL_CMAKE_PROJECTS "${PROJECT_BINARY_DIR};${PROJECT_NAME};Unspecified;/")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Not seen by dpkg-shlibdeps: the fonts the window draws its texts and digits with, and
# libcanberra, which the game loads once its window is on the screen. Its output to the
# desktop's sound server is recommended: without it the game plays through plain ALSA.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-dejavu-core, fonts-liberation, libcanberra0")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "libcanberra-pulse")
include(CPack)
