#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package as Debian builds its own: installed under /usr,
# compiled and linked with the hardening flags of dpkg-buildflags, without the
# tests. Leaves ossaria_<version>_<architecture>.deb in the build folder.
# Usage: make-deb.sh SOURCE-DIR BUILD-DIR
set -eu
source=$(cd "$1" && pwd)
build=$2

# Every hardening feature, binding symbols at start-up (BIND_NOW) included.
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
# dpkg-buildflags maps the source folder away in the debugging information,
# so ask it from there. CMake takes no preprocessor flags of its own (where
# _FORTIFY_SOURCE is), so they go with the compiler's; the flags are given
# explicitly because CMake reads them from the environment only when it first
# configures a folder.
cxxflags=$(cd "$source" && echo "$(dpkg-buildflags --get CPPFLAGS) $(dpkg-buildflags --get CXXFLAGS)")
ldflags=$(cd "$source" && dpkg-buildflags --get LDFLAGS)
# Compiler cache entries keyed by paths inside the tree, as ./dev keys them,
# so that every build tree of the package reuses what another one compiled.
export CCACHE_BASEDIR="$source" CCACHE_NOHASHDIR=1
launcher=
command -v ccache >/dev/null && launcher=ccache

cmake -S "$source" -B "$build" -DBUILD_TESTING=OFF -DCMAKE_INSTALL_PREFIX=/usr \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER_LAUNCHER="$launcher" \
    -DCMAKE_CXX_FLAGS="$cxxflags" -DCMAKE_EXE_LINKER_FLAGS="$ldflags" \
    -DCMAKE_SHARED_LINKER_FLAGS="$ldflags" -DCMAKE_MODULE_LINKER_FLAGS="$ldflags"
cmake --build "$build" -j"$(nproc)"
cd "$build" && cpack -G DEB
