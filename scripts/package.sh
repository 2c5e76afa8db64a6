#!/usr/bin/env bash
# Builds the release program and the Debian package tablerix_<version>_<arch>.deb
# in build/package, then checks the package with lintian (an error fails).
# Install it with: apt-get install ./build/package/tablerix_1.0_amd64.deb
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
# Debian's hardening flags (fortified functions, stack protector, full RELRO
# with immediate binding), as a Debian build would use them.
eval "$(DEB_BUILD_MAINT_OPTIONS=hardening=+all dpkg-buildflags --export=sh)"
build=build/package
# Warnings stop the build only when asked (TABLERIX_WERROR=ON, as in CI).
# Given explicitly: CMake reads CXXFLAGS only on a first configure, and
# CPPFLAGS never. Debian keeps the programs of section games in /usr/games.
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=Release -DTABLERIX_WERROR="${TABLERIX_WERROR:-OFF}" \
  -DTABLERIX_BUILD_TESTS=OFF -DTABLERIX_BUILD_BENCH=OFF -DCMAKE_INSTALL_BINDIR=games \
  -DCMAKE_CXX_FLAGS="$CPPFLAGS $CXXFLAGS" -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" >/dev/null
cmake --build "$build" -j2
rm -f "$build"/*.deb
(cd "$build" && cpack -G DEB >/dev/null)
deb=$(ls "$build"/*.deb)
echo "package: $deb"
dpkg-deb --field "$deb"
# Tags of severity error fail; warnings are shown.
lintian --fail-on error --display-info "$deb"
