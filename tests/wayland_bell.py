# SPDX-License-Identifier: GPL-3.0-or-later
"""The beep on a display without a bell: the real game on a headless Wayland
compositor, with a private sound server whose one sink plays into nothing. The
game is made to host by pressing Receive through the accessibility bus; a raw
peer on loopback sends it one value that is no message, and the server must be
asked to play the sound theme's bell.

    python3 wayland_bell.py <kelvask> <sound-server.sh>

Exits 77 where the compositor cannot run. Everything it starts is stopped on
the way out, also when it fails.
"""

import json
import os
import shutil
import socket
import struct
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "system"))
from harness import Failure, Session, check, poll, within  # noqa: E402

GAME_PORT = 6431
GARBAGE = -2
BELL_EVENT = "bell-window-system"
THEME_BELL = "/usr/share/sounds/freedesktop/stereo/bell.oga"


def streams(dump):
    """Every stream that the sound server was asked to play, by its
    properties, from the monitor's stream of JSON arrays."""
    decoder = json.JSONDecoder()
    found, text, at = [], open(dump).read(), 0
    while True:
        while at < len(text) and text[at].isspace():
            at += 1
        try:
            objects, at = decoder.raw_decode(text, at)
        except ValueError:  # the end, or an array still being written
            return found
        for obj in objects:
            props = ((obj or {}).get("info") or {}).get("props") or {}
            if obj.get("type") == "PipeWire:Interface:Node" and "media.filename" in props:
                found.append(props)


def press_receive():
    """Presses Receive as a screen reader's user does; returns a finder of
    the status log."""
    import pyatspi  # once the environment names the private buses
    from a11y_walk import nodes

    def named(role, name):
        return lambda: next((n for n in nodes(app) if n.getRoleName() == role and n.name == name), None)

    app = poll("the game on the accessibility bus", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a is not None and a.name == "Ossaria"), None))
    poll("the Receive button", named("push button", "Receive")).queryAction().doAction(0)
    return named("text", "Status")


def log(session, name):
    path = os.path.join(session.dir, name + ".log")
    return open(path, errors="replace").read() if os.path.exists(path) else "(nothing)"


def test(session, kelvask, sound):
    wayland = os.path.join(session.dir, "wayland")
    os.mkdir(wayland, 0o700)

    def start(name, command, env):
        with open(os.path.join(session.dir, name + ".log"), "wb") as output:
            return session.start(command, env=env, stdout=output, stderr=subprocess.STDOUT, cwd=session.dir)

    env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "PULSE_SERVER", "WAYLAND_DISPLAY")}
    env.update(XDG_RUNTIME_DIR=sound, DBUS_SESSION_BUS_ADDRESS="unix:path=" + sound + "/bus",
               GSETTINGS_BACKEND="memory")
    os.environ.clear()
    os.environ.update(env)

    start("weston", ["weston", "--backend=headless-backend.so", "--shell=kiosk-shell.so", "--socket=wl",
                     "--idle-time=0"], dict(env, XDG_RUNTIME_DIR=wayland))
    if not within(10, lambda: os.path.exists(os.path.join(wayland, "wl"))):
        print("skipped: weston does not run here; it said:\n" + log(session, "weston"))
        return 77
    start("a11y-bus", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env)
    start("streams", ["pw-dump", "--monitor", "--no-colors"], env)
    game = start("game", [kelvask], dict(env, QT_QPA_PLATFORM="wayland", WAYLAND_DISPLAY=os.path.join(wayland, "wl"),
                                         QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
    try:
        status = press_receive()

        def connect():
            try:
                return socket.create_connection(("127.0.0.1", GAME_PORT), 1)
            except OSError:
                return None
        with poll("the game to listen", connect) as peer:
            peer.sendall(struct.pack("<h", GARBAGE))
            poll("the status log to say Received Garbage",
                 lambda: "Received Garbage" in status().queryText().getText(0, -1))
            dump = os.path.join(session.dir, "streams.log")
            bell = within(5, lambda: [s for s in streams(dump) if s.get("event.id") == BELL_EVENT])
            heard = sorted({s["media.filename"] for s in streams(dump)})
            check(bell, "no bell; the sound server played: " + ", ".join(heard))
            check(bell[0]["media.filename"] == THEME_BELL, "the bell played %s, not %s" % (
                bell[0]["media.filename"], THEME_BELL))
        # Asked to end as the desktop session asks, it ends cleanly, bell thread
        # and all (a sanitizer's report would end it otherwise).
        game.terminate()
        check(game.wait(10) == 0, "the game ended with %d" % game.returncode)
    except Failure as failure:
        raise Failure("%s\nthe game said:\n%s" % (failure, log(session, "game")))
    print("PASS: the server played " + bell[0]["media.filename"])
    return 0


def main(kelvask, sound_server):
    if not shutil.which("weston"):
        print("skipped: no weston here")
        return 77
    # The sound server outlives what is started on it, and is stopped after.
    with Session("wayland_bell", 90) as outer:
        sound = os.path.join(outer.dir, "sound")
        subprocess.run(["sh", sound_server, "start", sound], check=True, timeout=60)
        try:
            with Session("wayland_bell", 90) as session:
                return test(session, kelvask, sound)
        finally:
            subprocess.run(["sh", sound_server, "stop", sound], timeout=60)

if __name__ == "__main__":
    try:
        sys.exit(main(*sys.argv[1:]))
    except Failure as failure:
        print("FAIL: %s" % failure, file=sys.stderr)
        sys.exit(1)
