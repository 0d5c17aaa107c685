#!/bin/sh
# Installs a build tree into a staging folder (DESTDIR) under a prefix other
# than the configured one, checks the layout and the desktop files, runs the
# installed game from elsewhere, then removes every file that the install
# manifest names and checks that nothing is left.
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
top=$root$prefix
DESTDIR=$root cmake --install "$build" --prefix "$prefix" >"$work/install.log" \
    || fail "install: $(cat "$work/install.log")"
# The manifest names the files as they will be once the staging folder is
# copied to the root.
sed "s|^|$root|" "$build/install_manifest.txt" | sort >"$work/manifest"
(find "$root" -type f -o -type l) | sort >"$work/tree"
diff "$work/manifest" "$work/tree" >&2 || fail "installed files and manifest differ"

link=$(readlink "$top/bin/kelvask") || fail "bin/kelvask is not a link"
case $link in
/*) fail "bin/kelvask points to an absolute path: $link" ;;
esac
program=$(realpath "$top/bin/kelvask")
case $program in
"$top"/lib*/kelvask/kelvask) ;;
*) fail "bin/kelvask leads to $program, not to the library folder" ;;
esac
programs=$(dirname "$program")
[ -e "$programs/libqvcontrols.so" ] && [ -e "$programs/libossaria-platform.so" ] \
    || fail "the libraries are not beside the program in $programs"

share=$top/share
id=org.example.ossaria.kelvask
[ "$(ls "$share/kelvask/sounds"/*.wav | wc -l)" -eq 14 ] || fail "not fourteen sounds under share"
for file in "icons/hicolor/scalable/apps/$id.svg" "icons/hicolor/16x16/apps/$id.png" \
    "icons/hicolor/256x256/apps/$id.png" man/man6/kelvask.6.gz man/man6/kelvask-robot.6.gz; do
    [ -f "$share/$file" ] || fail "$file missing under share"
done
desktop-file-validate "$share/applications/$id.desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" >"$work/metainfo.log" \
    || fail "metainfo: $(cat "$work/metainfo.log")"
for page in "$share"/man/man6/*.6.gz; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
    [ -z "$warnings" ] || fail "$page: $warnings"
done

sh "$here/run-installed.sh" "$top/bin/kelvask" "$programs" "$share/kelvask/sounds"

tr '\n' '\0' <"$work/manifest" | xargs -0 rm --
(find "$root" -type f -o -type l) >"$work/left"
[ ! -s "$work/left" ] || fail "left after removing the manifest's files: $(cat "$work/left")"
echo "installed, ran and removed cleanly under $prefix"
