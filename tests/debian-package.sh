#!/bin/sh
# Makes the Debian package from a build tree, installs it with apt-get, runs
# the installed game from elsewhere, purges the package and checks that it
# left nothing behind.
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

cpack -G DEB -B "$work" --config "$build/CPackConfig.cmake" >"$work/cpack.log" 2>&1 \
    || fail "cpack: $(cat "$work/cpack.log")"
deb=$(ls "$work"/${package}_*.deb)
# What is loaded at run time is named; what is linked comes from shlibdeps.
dpkg-deb -f "$deb" Depends | tr ',' '\n' | sed 's/^ *//; s/ .*//' >"$work/depends"
for needed in libcanberra0 libcanberra-pulse fonts-dejavu-extra libqt6widgets6; do
    grep -qx "$needed" "$work/depends" || fail "the package does not depend on $needed: $(cat "$work/depends")"
done

ours=true
apt install "$deb" >"$work/apt.log" 2>&1 || fail "apt-get install: $(cat "$work/apt.log")"
dpkg-query -L "$package" >"$work/files"
sh "$here/run-installed.sh" /usr/bin/kelvask "$(dirname "$(realpath /usr/bin/kelvask)")" \
    /usr/share/kelvask/sounds

apt remove --purge "$package" >"$work/apt.log" 2>&1 || fail "apt-get remove: $(cat "$work/apt.log")"
ours=false
! installed || fail "$package is still installed"
while read -r path; do
    if [ -d "$path" ] && [ ! -L "$path" ]; then
        dpkg-query -S "$path" >/dev/null 2>&1 || fail "folder $path left behind"
    elif [ -e "$path" ] || [ -L "$path" ]; then
        fail "$path left behind"
    fi
done <"$work/files"
echo "$(basename "$deb") installed, ran and purged cleanly"
