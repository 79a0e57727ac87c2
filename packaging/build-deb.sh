#!/usr/bin/env bash
# Builds the Debian package of Kombinátor from a Release build with Debian's hardening flags:
#
#     packaging/build-deb.sh [BUILD_FOLDER]      (default: build-deb)
#
# The .deb lands in BUILD_FOLDER. KOMBINATOR_CMAKE_ARGS adds arguments to the configuration
# (a compiler launcher, say).
set -euo pipefail
source=$(cd "$(dirname "$0")/.." && pwd)
build=$(realpath -m "${1:-$source/build-deb}")
cd "$source"  # the flags map this folder out of the binaries

export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)"
ldflags=$(dpkg-buildflags --get LDFLAGS)
# shellcheck disable=SC2086
cmake -S "$source" -B "$build" -DCMAKE_BUILD_TYPE=Release -DKOMBINATOR_TESTS=OFF -DKOMBINATOR_BENCH=OFF \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" ${KOMBINATOR_CMAKE_ARGS:-} > /dev/null
cmake --build "$build" -j"${KOMBINATOR_JOBS:-$(nproc)}"
rm -f "$build"/kombinator_*.deb
(cd "$build" && cpack -G DEB > /dev/null)
ls "$build"/kombinator_*.deb
