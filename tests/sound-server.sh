#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# A private sound server for the sound tests: a session bus, PipeWire with its
# session manager and PulseAudio front end, and a null sink that plays into
# nothing. Everything lives in DIR, which becomes the tests' XDG_RUNTIME_DIR.
#   sound-server.sh start DIR   start it and wait until it plays
#   sound-server.sh stop DIR    stop what start began and remove DIR
set -eu
dir=$2

# waitfor WHAT COMMAND...: retries for at most ten seconds.
waitfor() {
    what=$1
    shift
    for _ in $(seq 100); do
        "$@" >/dev/null 2>&1 && return
        sleep 0.1
    done
    echo "sound server: $what did not come up; logs in $dir" >&2
    exit 1
}

# launch NAME COMMAND...: in the background, its output in DIR/NAME.log and
# not on the test runner's pipes, which would otherwise stay open.
launch() {
    name=$1
    shift
    "$@" </dev/null >"$dir/$name.log" 2>&1 &
    echo $! >"$dir/$name.pid"
}

# Asks each daemon that start began to end, waits up to five seconds in all,
# then kills what is left.
stop() {
    pids=$(cd "$dir" 2>/dev/null && cat dbus-daemon.pid pipewire.pid wireplumber.pid pipewire-pulse.pid 2>/dev/null || true)
    for pid in $pids; do kill "$pid" 2>/dev/null || true; done
    for pid in $pids; do
        for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null && sleep 0.1 || break; done
        kill -9 "$pid" 2>/dev/null || true
    done
    rm -rf "$dir"
}

case "$1" in
start)
    [ -d "$dir" ] && stop
    mkdir -m 700 -p "$dir"
    export XDG_RUNTIME_DIR="$dir" XDG_STATE_HOME="$dir/state" XDG_CONFIG_HOME="$dir/config"
    export DBUS_SESSION_BUS_ADDRESS="unix:path=$dir/bus"
    launch dbus-daemon dbus-daemon --session --nofork --nopidfile --address="$DBUS_SESSION_BUS_ADDRESS"
    waitfor "the session bus" test -S "$dir/bus"
    launch pipewire pipewire
    waitfor "PipeWire" test -S "$dir/pipewire-0"
    launch wireplumber wireplumber
    launch pipewire-pulse pipewire-pulse
    waitfor "the PulseAudio front end" pactl info
    # Right after it answers, the front end may still refuse modules.
    waitfor "the null sink" pactl load-module module-null-sink sink_name=ossaria-null
    waitfor "the default sink" pactl set-default-sink ossaria-null
    # The session manager takes the sink as default once it is in charge.
    waitfor "the session manager" sh -c 'pactl info | grep -q "Default Sink: ossaria-null"'
    ;;
stop) stop ;;
*) echo "usage: $0 start|stop DIR" >&2; exit 2 ;;
esac
