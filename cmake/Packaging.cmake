# The Debian package, made by `cpack -G DEB` in a build directory (see
# scripts/package.sh, which also checks it with lintian).
set(CPACK_PACKAGE_NAME tablerix)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Tablerix developers")
set(CPACK_PACKAGE_CONTACT "The Tablerix developers <tablerix@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "chess program with a Spanish interface")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://tablerix.example.org")
set(CPACK_RESOURCE_FILE_LICENSE ${CMAKE_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_SET_DESTDIR OFF)

set(CPACK_DEBIAN_PACKAGE_SECTION games)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER ${CPACK_PACKAGE_CONTACT})
# The extended description; CPack puts the summary above it as the synopsis.
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION "Tablerix is a desktop chess program with a single window. One person plays
White against the built-in engine at three levels, or two people share the
screen; pieces are moved by dragging them with the mouse.
.
It applies every rule of chess, keeps the game record with back and forward
navigation, runs three clocks, keeps notes, saves and loads games as .Chess
files or PGN and prints a game sheet. The interface is in Spanish. The
engine is also installed as tablerix-engine, a program for the Universal
Chess Interface.")
# Libraries from dpkg-shlibdeps. The X11 platform plugin is a plugin and
# Qt's Spanish catalogue (its dialogs' buttons and labels) a data file, so no
# library check finds them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-liberation2")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

# tablerix_1.0_amd64.deb: Debian's own naming, without a revision.
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE TABLERIX_DEB_ARCH
  OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
if(TABLERIX_DEB_ARCH)
  set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${TABLERIX_DEB_ARCH})
  set(CPACK_DEBIAN_FILE_NAME ${CPACK_PACKAGE_NAME}_${CPACK_PACKAGE_VERSION}_${TABLERIX_DEB_ARCH}.deb)
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_SOURCE_GENERATOR TGZ)
set(CPACK_SOURCE_IGNORE_FILES "/\\\\.git/" "/build/" "/build-.*/" "/shots/")
include(CPack)
