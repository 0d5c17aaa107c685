#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Checks an installed tree: the links in the games folder that lead to the
# programs beside their libraries, the menu entry that starts them there, the
# data under share and the desktop files' validity. Then starts the installed
# game from an empty folder on a display of its own and checks that its
# window shows, that it loaded its libraries from the install and that it read
# its sounds and, in German, its translation from the install's data folder;
# then stops it.
# Usage: run-installed.sh ROOT PREFIX
# ROOT is where the install was staged (DESTDIR), empty for the system itself.
set -eu
root=$1
prefix=$2
top=$root$prefix
share=$top/share
id=org.example.ossaria.kelvask

work=$(mktemp -d)
xvfb=
tracer=
game=
cleanup() {
    # Stopped, the tracer would leave the game running: stop the game first.
    for pid in $game $tracer $xvfb; do
        kill "$pid" 2>/dev/null || true
    done
    wait
    rm -rf "$work"
}
trap cleanup EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}
# waitfor TENTHS COMMAND...: retries the command every tenth of a second.
waitfor() {
    tries=$1
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

programs=$(dirname "$(realpath "$top/games/kelvask")")
case $programs in
"$top"/lib*/kelvask) ;;
*) fail "games/kelvask leads to $programs, not to the library folder" ;;
esac
for name in kelvask kelvask-robot; do
    link=$(readlink "$top/games/$name") || fail "games/$name is not a link"
    case $link in
    /*) fail "games/$name points to an absolute path: $link" ;;
    esac
    [ "$(realpath "$top/games/$name")" = "$programs/$name" ] || fail "games/$name does not lead to $programs/$name"
done
[ -e "$programs/libqvcontrols.so" ] && [ -e "$programs/libossaria-platform.so" ] \
    || fail "the libraries are not beside the program in $programs"
robot=$("$top/games/kelvask-robot" --version 2>&1) || fail "the installed robot does not run: $robot"
case $robot in
"kelvask-robot "[0-9]*) ;;
*) fail "the installed robot says: $robot" ;;
esac

# The menu entry and its action start both programs by their links, wherever
# the session's PATH leads.
desktop=$share/applications/$id.desktop
sed -n 's/^\(Try\)\{0,1\}Exec=//p' "$desktop" | grep -o '[^ "]*kelvask[a-z-]*' | sort -u >"$work/started"
printf '%s\n' "$prefix/games/kelvask" "$prefix/games/kelvask-robot" >"$work/links"
cmp -s "$work/started" "$work/links" || fail "the menu entry starts $(tr '\n' ' ' <"$work/started")instead of the programs in $prefix/games"
desktop-file-validate "$desktop" || fail "desktop entry"
appstreamcli validate --no-net --pedantic "$share/metainfo/$id.metainfo.xml" >"$work/metainfo.log" \
    || fail "metainfo: $(cat "$work/metainfo.log")"

sounds=$share/kelvask/sounds
[ "$(ls "$sounds"/*.wav | wc -l)" -eq 14 ] || fail "not fourteen sounds under share"
for file in "icons/hicolor/scalable/apps/$id.svg" "icons/hicolor/16x16/apps/$id.png" \
    "icons/hicolor/256x256/apps/$id.png" doc/ossaria/copyright doc/ossaria/changelog.gz; do
    [ -f "$share/$file" ] || fail "$file missing under share"
done
for page in "$share"/man/man6/kelvask.6.gz "$share"/man/man6/kelvask-robot.6.gz; do
    warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null) || fail "$page cannot be read"
    [ -z "$warnings" ] || fail "$page: $warnings"
done

Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
waitfor 100 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"
# Whatever platform the developer's own desktop chooses, the game shows on
# this display.
export QT_QPA_PLATFORM=xcb

# No sound server: the game reads its sounds all the same before it tries to
# play them.
mkdir -m 700 "$work/elsewhere" "$work/runtime"
cd "$work/elsewhere"
LANGUAGE=de XDG_RUNTIME_DIR="$work/runtime" strace -f -qq -e trace=openat -o "$work/trace" \
    "$top/games/kelvask" >"$work/game.log" 2>&1 &
tracer=$!

# By name: strace forks a short-lived child of its own first, to try what
# the kernel lets it trace.
tracee() { game=$(pgrep -P "$tracer" -x kelvask); }
waitfor 50 tracee || fail "the game did not start"
shown() { xdotool search --onlyvisible --pid "$game" --name '^Ossaria$' >/dev/null 2>&1; }
waitfor 300 shown || fail "no game window: $(cat "$work/game.log")"

for library in libossaria-platform.so libqvcontrols.so; do
    grep -q " $programs/$library\$" "/proc/$game/maps" \
        || fail "$library not loaded from $programs: $(grep -o "/.*$library" "/proc/$game/maps" | sort -u)"
done

# The start-up reset plays "newgame".
opened_sound() {
    sed -n 's/.*openat([^"]*"\([^"]*sounds\/newgame\.wav\)".* = [0-9][0-9]*$/\1/p' "$work/trace" >"$work/sound"
    test -s "$work/sound"
}
waitfor 100 opened_sound || fail "newgame.wav not opened: $(grep 'sounds/' "$work/trace" || true)"
[ "$(realpath "$(dirname "$(head -n 1 "$work/sound")")")" = "$(realpath "$sounds")" ] \
    || fail "newgame.wav opened from $(head -n 1 "$work/sound"), not from $sounds"
# German: the game's translation from the data folder, Qt's from Qt's.
translation=$(sed -n 's/.*openat([^"]*"\([^"]*kelvask_de\.qm\)".* = [0-9][0-9]*$/\1/p' "$work/trace" | head -n 1)
[ -n "$translation" ] && [ "$(realpath "$(dirname "$translation")")" = "$(realpath "$share/kelvask/translations")" ] \
    || fail "kelvask_de.qm not opened from $share/kelvask/translations: $(grep '\.qm' "$work/trace" || true)"
grep -q 'openat(.*qtbase_de\.qm".* = [0-9]' "$work/trace" || fail "Qt's German translation not opened"
echo "the installed game showed its window, with its libraries, its sounds and its translation"
