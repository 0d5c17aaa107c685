#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs the accessibility walk against the real program on a private display
# with a window manager, a private session bus, the accessibility bus and a
# screen reader whose speech is written to a file instead of being played.
# Everything it starts is stopped on the way out, newest first, also when the
# walk fails.
# usage: a11y-walk.sh <python3 with pyatspi> <a11y_walk.py> <folder of kelvask>
set -eu
# The window manager and the accessibility bus use the session bus; a
# private one keeps them from starting a shared one that would outlive us.
# What the services it starts write to the desktop settings (the bus
# launcher does when a screen reader starts) stays in memory, out of the
# user's own settings.
if [ -z "${A11Y_WALK_PRIVATE_BUS:-}" ]; then
    A11Y_WALK_PRIVATE_BUS=1 GSETTINGS_BACKEND=memory exec dbus-run-session -- sh "$0" "$@"
fi
python=$1 walk=$2 programs=$3
state=$(mktemp -d)
pids=
# Each is given five seconds to end by itself, so that the screen reader
# takes its leave while the display and the buses it speaks to still stand.
stop() {
    kill "$1" 2>/dev/null || return 0
    tries=0
    while kill -0 "$1" 2>/dev/null && [ "$tries" -lt 50 ]; do
        tries=$((tries + 1))
        sleep 0.1
    done
    kill -KILL "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
}
cleanup() {
    for pid in $pids; do stop "$pid"; done
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
pids="$! $pids"
await "Xvfb" test -s "$state/display"
DISPLAY=":$(cat "$state/display")"
export DISPLAY
xfwm4 >"$state/wm.log" 2>&1 &
pids="$! $pids"
await "the window manager" sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'

/usr/libexec/at-spi-bus-launcher --launch-immediately >"$state/bus.log" 2>&1 &
pids="$! $pids"
await "the accessibility bus" dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress

# The speech server's one voice appends each utterance to a file as a line;
# its sound output is libao's null driver, so no sound device is needed.
speech=$state/speech
mkdir -p "$speech/modules"
printf '%s\n' 'AddModule "log" "sd_generic" "log.conf"' 'DefaultModule log' \
    'AudioOutputMethod "libao"' "LogDir \"$state\"" >"$speech/speechd.conf"
printf '%s\n' "GenericExecuteSynth \"printf '%s\\\\n' \\'\$DATA\\' >>$state/spoken\"" \
    'AddVoice "en" "MALE1" "log"' >"$speech/modules/log.conf"
echo default_driver=null >"$speech/.libao"
HOME=$speech speech-dispatcher --run-single --timeout 0 --config-dir "$speech" \
    --pid-file "$state/speech.pid" --communication-method unix_socket \
    --socket-path "$state/speech.socket" >"$state/speech.log" 2>&1 &
pids="$! $pids"
await "the speech server" test -S "$state/speech.socket"

SPEECHD_ADDRESS="unix_socket:$state/speech.socket" orca --user-prefs "$state/orca" >"$state/orca.log" 2>&1 &
pids="$! $pids"
await "the screen reader" grep -q "Screen reader on" "$state/spoken"

if ! "$python" "$walk" "$programs" "$state/spoken"; then
    echo "a11y walk: the screen reader said:" >&2
    cat "$state/spoken" >&2
    exit 1
fi
