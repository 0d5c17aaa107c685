#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Makes the Debian package as ./dev package does, in a folder of the build
# tree, and checks it as a distribution would: lintian, the hardening of every
# binary, the dependencies. Then installs it with apt-get, checks the
# installed tree and runs the installed game from elsewhere (run-installed.sh),
# purges the package and checks that it left nothing behind.
# Usage: debian-package.sh BUILD-DIR
set -eu
build=$1
here=$(cd "$(dirname "$0")" && pwd)
package=ossaria
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
[ "$(id -u)" -eq 0 ] || { echo "SKIP: installing a package needs root"; exit 77; }
installed() { dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; }
installed && fail "$package is already installed; this test installs and purges it itself"

work=$(mktemp -d)
ours=false
apt() { DEBIAN_FRONTEND=noninteractive apt-get -y -qq -o DPkg::Lock::Timeout=300 "$@"; }
cleanup() {
    if $ours; then apt remove --purge "$package" >/dev/null 2>&1 || true; fi
    rm -rf "$work"
}
trap cleanup EXIT

packaged=$build/debian-package
rm -f "$packaged"/${package}_*.deb
sh "$here/../packaging/make-deb.sh" "$here/.." "$packaged" >"$work/make-deb.log" 2>&1 \
    || fail "make-deb.sh: $(tail -n 40 "$work/make-deb.log")"
deb=$(ls "$packaged"/${package}_*.deb)

# Every tag, down to the pedantic ones and the information level, where the
# hardening tags are: read-only relocations, binding at start-up, position
# independence and fortified calls. The stack protector lintian leaves out.
lintian --pedantic --display-info --fail-on error,warning,info,pedantic "$deb" >"$work/lintian" 2>&1 \
    || fail "lintian: $(cat "$work/lintian")"
dpkg-deb -x "$deb" "$work/files"
find "$work/files" -type f -exec file {} + | sed -n 's/^\([^:]*\): *ELF .*/\1/p' >"$work/elf"
[ -s "$work/elf" ] || fail "no binaries in $deb"
while read -r binary; do
    readelf --dyn-syms -W "$binary" | grep -q ' __stack_chk_fail' \
        || fail "${binary#"$work/files"} is built without the stack protector"
done <"$work/elf"

# What is loaded at run time is recommended; what is linked comes from
# shlibdeps, so every package depended on ships a shared library.
field() { dpkg-deb -f "$deb" "$1" | tr ',' '\n' | sed 's/^ *//; s/ .*//'; }
field Depends >"$work/depends"
field Recommends >"$work/recommends"
grep -qx libqt6widgets6 "$work/depends" || fail "the package does not depend on libqt6widgets6: $(cat "$work/depends")"
for wanted in libcanberra0 libcanberra-pulse fonts-dejavu-extra; do
    grep -qx "$wanted" "$work/recommends" || fail "the package does not recommend $wanted: $(cat "$work/recommends")"
done

ours=true
apt install "$deb" >"$work/apt.log" 2>&1 || fail "apt-get install: $(cat "$work/apt.log")"
while read -r needed; do
    dpkg-query -L "$needed" | grep -q '/lib[^/]*\.so[.0-9]*$' || fail "the package depends on $needed, which ships no library"
done <"$work/depends"
dpkg-query -L "$package" >"$work/installed"
sh "$here/run-installed.sh" "" /usr

apt remove --purge "$package" >"$work/apt.log" 2>&1 || fail "apt-get remove: $(cat "$work/apt.log")"
ours=false
! installed || fail "$package is still installed"
while read -r path; do
    if [ -d "$path" ] && [ ! -L "$path" ]; then
        dpkg-query -S "$path" >/dev/null 2>&1 || fail "folder $path left behind"
    elif [ -e "$path" ] || [ -L "$path" ]; then
        fail "$path left behind"
    fi
done <"$work/installed"
echo "$(basename "$deb") passed lintian, installed, ran and purged cleanly"
