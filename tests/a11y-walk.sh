#!/bin/sh
# Runs the accessibility walk against the real program on a private display
# with a window manager, a private session bus and the accessibility bus.
# Everything it starts is stopped on the way out, also when the walk fails.
# usage: a11y-walk.sh <python3 with pyatspi> <a11y_walk.py> <folder of kelvask>
set -eu
# The window manager and the accessibility bus use the session bus; a
# private one keeps them from starting a shared one that would outlive us.
if [ -z "${A11Y_WALK_PRIVATE_BUS:-}" ]; then
    A11Y_WALK_PRIVATE_BUS=1 exec dbus-run-session -- sh "$0" "$@"
fi
python=$1 walk=$2 programs=$3
state=$(mktemp -d)
pids=
cleanup() {
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    for pid in $pids; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$state"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

# Waits up to ten seconds for a command to succeed.
await() {
    what=$1; shift
    tries=0
    until "$@" >/dev/null 2>&1; do
        tries=$((tries + 1))
        [ "$tries" -le 100 ] || { echo "a11y walk: $what did not start" >&2; exit 1; }
        sleep 0.1
    done
}

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$state/display" 2>"$state/xvfb.log" &
pids="$pids $!"
await "Xvfb" test -s "$state/display"
DISPLAY=":$(cat "$state/display")"
export DISPLAY
xfwm4 >"$state/wm.log" 2>&1 &
pids="$pids $!"
await "the window manager" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$state/bus.log" 2>&1 &
pids="$pids $!"
await "the accessibility bus" dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress
"$python" "$walk" "$programs"
