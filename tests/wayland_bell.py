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
import tempfile
import time

WAIT = 15
GAME_PORT = 6431
GARBAGE = -2
BELL_EVENT = "bell-window-system"


def wait_for(what, check, timeout=WAIT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        found = check()
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + (what() if callable(what) else what))


class Run:
    def __init__(self, state):
        self.state = state
        self.processes = []

    def start(self, name, command, env):
        log = open(os.path.join(self.state, name + ".log"), "wb")
        process = subprocess.Popen(command, env=env, stdin=subprocess.DEVNULL, stdout=log,
                                   stderr=subprocess.STDOUT, cwd=self.state)
        self.processes.append(process)
        return process

    def log(self, name):
        path = os.path.join(self.state, name + ".log")
        return open(path, errors="replace").read() if os.path.exists(path) else "(nothing)"

    def stop_all(self):
        for process in reversed(self.processes):
            process.terminate()
            try:
                process.wait(5)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()


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
    import pyatspi  # after the environment names the private buses

    def nodes(root):
        found = [root]
        for child in root:
            if child is not None:
                found += nodes(child)
        return found

    def game():
        return next((app for app in pyatspi.Registry.getDesktop(0) if app is not None and app.name == "Ossaria"), None)

    app = wait_for("the game on the accessibility bus", game)
    receive = wait_for("the Receive button", lambda: next(
        (n for n in nodes(app) if n.getRoleName() == "push button" and n.name == "Receive"), None))
    receive.queryAction().doAction(0)
    return lambda: next(n for n in nodes(app) if n.getRoleName() == "text" and n.name == "Status")


def main(kelvask, sound_server):
    if not shutil.which("weston"):
        print("wayland bell: no weston here")
        return 77
    state = tempfile.mkdtemp(prefix="ossaria-bell-")
    sound = os.path.join(state, "sound")
    wayland = os.path.join(state, "wayland")
    os.mkdir(wayland, 0o700)
    run = Run(state)
    peer = None
    try:
        subprocess.run(["sh", sound_server, "start", sound], check=True, timeout=60)
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "PULSE_SERVER", "WAYLAND_DISPLAY")}
        env.update(XDG_RUNTIME_DIR=sound, DBUS_SESSION_BUS_ADDRESS="unix:path=" + sound + "/bus",
                   GSETTINGS_BACKEND="memory")
        os.environ.clear()
        os.environ.update(env)

        run.start("weston", ["weston", "--backend=headless-backend.so", "--shell=kiosk-shell.so",
                             "--socket=wl", "--idle-time=0"], dict(env, XDG_RUNTIME_DIR=wayland))
        try:
            wait_for("weston", lambda: os.path.exists(os.path.join(wayland, "wl")), 10)
        except AssertionError:
            print("wayland bell: weston does not run here; it said:\n" + run.log("weston"))
            return 77
        run.start("a11y-bus", ["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env)
        run.start("streams", ["pw-dump", "--monitor", "--no-colors"], env)
        dump = os.path.join(state, "streams.log")
        game = run.start("game", [kelvask], dict(env, QT_QPA_PLATFORM="wayland",
                                                 WAYLAND_DISPLAY=os.path.join(wayland, "wl"),
                                                 QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1"))
        status = press_receive()

        def connect():
            try:
                return socket.create_connection(("127.0.0.1", GAME_PORT), 1)
            except OSError:
                return None
        peer = wait_for("the game to listen", connect)
        peer.sendall(struct.pack("<h", GARBAGE))
        wait_for("the status log to say Received Garbage",
                 lambda: "Received Garbage" in status().queryText().getText(0, -1))
        try:
            bell = wait_for("the bell", lambda: [s for s in streams(dump) if s.get("event.id") == BELL_EVENT], 5)
        except AssertionError:
            heard = sorted({s["media.filename"] for s in streams(dump)})
            raise AssertionError("no bell; the sound server played: " + ", ".join(heard))
        expect = "/usr/share/sounds/freedesktop/stereo/bell.oga"
        if bell[0]["media.filename"] != expect:
            raise AssertionError("the bell played %s, not %s" % (bell[0]["media.filename"], expect))
        # Asked to end as the desktop session asks, it ends cleanly, bell thread
        # and all (a sanitizer's report would end it otherwise).
        game.terminate()
        if game.wait(WAIT) != 0:
            raise AssertionError("the game ended with %d" % game.returncode)
        print("wayland bell: the server played " + bell[0]["media.filename"])
        return 0
    except AssertionError as failure:
        raise AssertionError("%s\nthe game said:\n%s" % (failure, run.log("game")))
    finally:
        if peer:
            peer.close()
        run.stop_all()
        subprocess.run(["sh", sound_server, "stop", sound], timeout=60)
        shutil.rmtree(state, ignore_errors=True)


if __name__ == "__main__":
    try:
        sys.exit(main(*sys.argv[1:]))
    except AssertionError as failure:
        print("wayland bell: " + str(failure), file=sys.stderr)
        sys.exit(1)
