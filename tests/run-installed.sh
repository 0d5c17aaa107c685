#!/bin/sh
# Starts an installed game from an empty folder on a display of its own and
# checks that its window shows, that it loaded its libraries from the install
# and that it read its sounds from the install's data folder; then stops it.
# Usage: run-installed.sh PROGRAM LIBRARY-FOLDER SOUND-FOLDER
set -eu
program=$1
libraries=$(realpath "$2")
sounds=$(realpath "$3")

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

Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/display" 2>"$work/xvfb.log" &
xvfb=$!
waitfor 100 test -s "$work/display" || fail "Xvfb did not start: $(cat "$work/xvfb.log")"
export DISPLAY=":$(cat "$work/display")"

# No sound server: the game reads its sounds all the same before it tries to
# play them.
mkdir -m 700 "$work/elsewhere" "$work/runtime"
cd "$work/elsewhere"
XDG_RUNTIME_DIR="$work/runtime" strace -f -qq -e trace=openat -o "$work/trace" \
    "$program" >"$work/game.log" 2>&1 &
tracer=$!

tracee() { game=$(pgrep -P "$tracer"); }
waitfor 50 tracee || fail "the game did not start"
shown() { xdotool search --onlyvisible --pid "$game" --name '^Ossaria$' >/dev/null 2>&1; }
waitfor 300 shown || fail "no game window: $(cat "$work/game.log")"

for library in libossaria-platform.so libqvcontrols.so; do
    grep -q " $libraries/$library\$" "/proc/$game/maps" \
        || fail "$library not loaded from $libraries: $(grep -o "/.*$library" "/proc/$game/maps" | sort -u)"
done

# The start-up reset plays "newgame".
opened_sound() {
    sed -n 's/.*openat([^"]*"\([^"]*sounds\/newgame\.wav\)".* = [0-9][0-9]*$/\1/p' "$work/trace" >"$work/sound"
    test -s "$work/sound"
}
waitfor 100 opened_sound || fail "newgame.wav not opened: $(grep 'sounds/' "$work/trace" || true)"
[ "$(realpath "$(dirname "$(head -n 1 "$work/sound")")")" = "$sounds" ] \
    || fail "newgame.wav opened from $(head -n 1 "$work/sound"), not from $sounds"
echo "the installed game showed its window, with its libraries and its sounds"
