#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs a build tree into a staging folder (DESTDIR) under a prefix other
# than the configured one, checks the installed tree and runs the installed
# game from elsewhere (run-installed.sh), then removes every file that the
# install manifest names and checks that nothing is left.
# Usage: install-tree.sh BUILD-DIR
set -eu
build=$1
here=$(cd "$(dirname "$0")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

root=$work/root
prefix=/opt/ossaria
DESTDIR=$root cmake --install "$build" --prefix "$prefix" >"$work/install.log" \
    || fail "install: $(cat "$work/install.log")"
# The manifest names the files as they will be once the staging folder is
# copied to the root.
sed "s|^|$root|" "$build/install_manifest.txt" | sort >"$work/manifest"
(find "$root" -type f -o -type l) | sort >"$work/tree"
diff "$work/manifest" "$work/tree" >&2 || fail "installed files and manifest differ"

sh "$here/run-installed.sh" "$root" "$prefix"

tr '\n' '\0' <"$work/manifest" | xargs -0 rm --
(find "$root" -type f -o -type l) >"$work/left"
[ ! -s "$work/left" ] || fail "left after removing the manifest's files: $(cat "$work/left")"
echo "installed, ran and removed cleanly under $prefix"
