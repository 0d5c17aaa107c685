# SPDX-License-Identifier: GPL-3.0-or-later
"""Places a fleet and plays a few shots of a match the way a player without a
mouse does, reading the board the way a screen reader does: through the
accessibility bus, with the keyboard and the squares' press action. It reads
the status log through its text interface, and listens to the screen reader
speaking a line the game adds to it. The opponent is this script, on the game
port of the loopback interface.

Run by a11y-walk.sh on a private display, session bus and accessibility bus,
with the screen reader writing what it says to a file:
    python3 a11y_walk.py <folder of kelvask> <file of what was spoken>
"""

import os
import socket
import struct
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

WAIT = 15
GAME_PORT = 6431
MSG_READY, MSG_YOUR_TURN, MSG_HIT, MSG_MISSED = -1, -3, -5, -6


def wait_for(what, check, timeout=WAIT):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        # The accessibility events that arrived meanwhile are handed out.
        while GLib.MainContext.default().iteration(False):
            pass
        found = check()
        if found:
            return found
        time.sleep(0.1)
    raise AssertionError("timed out waiting for " + (what() if callable(what) else what))


def expect(condition, message):
    if not condition:
        raise AssertionError(message)


def tool(*command):
    """The output of an X tool, which is given a few seconds at most."""
    return subprocess.run(command, capture_output=True, text=True, timeout=WAIT).stdout.strip()


def key(*keys):
    tool("xdotool", "key", "--delay", "60", *keys)


def nodes(root):
    found = [root]
    for child in root:
        if child is not None:
            found += nodes(child)
    return found


def focused(obj):
    return obj.getState().contains(pyatspi.STATE_FOCUSED)


class Walk:
    def __init__(self, program_dir, spoken):
        self.program_dir = program_dir
        self.spoken = spoken
        self.peer = None
        self.squares = {}

    # ---- the opponent, one 16-bit value per message --------------------
    def send(self, value):
        self.peer.sendall(struct.pack("<h", value))

    def receive(self):
        data = b""
        while len(data) < 2:
            chunk = self.peer.recv(2 - len(data))
            expect(chunk, "the game closed the connection")
            data += chunk
        return struct.unpack("<h", data)[0]

    # ---- what a screen reader sees --------------------------------------
    def app(self):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "Ossaria":
                return app
        return None

    def fresh(self):
        # Names are read from the game, not from what an earlier read cached.
        app = self.app()
        app.clearCache()
        return nodes(app)

    def find(self, role, name):
        for node in self.fresh():
            if node.getRoleName() == role and node.name == name:
                return node
        return None

    def square(self, sea, name):
        square = self.squares[sea, name]
        square.clearCache()
        return square

    def shows(self, sea, name, state):
        wait_for("%s %s to read %s" % (sea, name, state),
                 lambda: self.square(sea, name).name == "%s, %s, %s" % (sea, name, state))

    def press(self, obj):
        obj.queryAction().doAction(0)

    def focus(self, obj):
        obj.queryComponent().grabFocus()
        wait_for("the focus on " + obj.name, lambda: focused(obj))

    def window_id(self, title):
        found = tool("xdotool", "search", "--onlyvisible", "--name", "^%s$" % title).split()
        return found[0] if found else None

    def main_window_id(self):
        return self.window_id("Ossaria")

    def activate_main_window(self):
        # A window that has just opened may take the activation after a
        # first request, so ask until the main window holds it.
        def active():
            tool("xdotool", "windowactivate", self.main_window_id())
            time.sleep(0.2)
            return tool("xdotool", "getactivewindow") == self.main_window_id()
        wait_for("the main window to be active", active)

    # ---- the walk -------------------------------------------------------
    def run(self):
        server = socket.create_server(("127.0.0.1", GAME_PORT))
        server.settimeout(WAIT)
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")
        game = subprocess.Popen([os.path.join(self.program_dir, "kelvask")], cwd=self.program_dir, env=env)
        try:
            wait_for("the game on the accessibility bus", self.app)
            wait_for("the main window", self.main_window_id)
            self.read_the_board()
            self.check_the_window_frame()
            self.connect(server)
            self.read_the_log(["New Game...", "Connecting...", "Connected to 127.0.0.1",
                               "Please position your ships"])
            self.hear_a_line_added()
            self.place_the_fleet()
            self.play()
            self.open_the_help()
        finally:
            if self.peer:
                self.peer.close()
            server.close()
            game.terminate()
            game.wait(WAIT)
        print("a11y walk: all checks passed")

    def read_the_board(self):
        for node in self.fresh():
            if node.getRoleName() == "push button" and node.name.count(", ") == 2:
                sea, square, _ = node.name.split(", ")
                self.squares[sea, square] = node
        for sea, state in (("Enemy Sea", "not fired at"), ("Home Sea", "water")):
            named = [square for square in self.squares if square[0] == sea]
            expect(len(named) == 100, "%s has %d named squares" % (sea, len(named)))
            corner = self.square(sea, "J10").name
            expect(corner == "%s, J10, %s" % (sea, state), "%s J10 reads %s" % (sea, corner))
        unnamed = [n for n in self.fresh() if n.getRoleName() == "text" and not n.name]
        expect(not unnamed, "%d text fields of the main window have no name" % len(unnamed))
        expect(self.find("text", "IP:"), "the address box is not named by its label")

    def check_the_window_frame(self):
        def allowed():
            out = tool("xprop", "-id", self.main_window_id(), "_NET_WM_ALLOWED_ACTIONS")
            return out if "_NET_WM_ACTION_CLOSE" in out else None
        actions = wait_for("the window manager's allowed actions", allowed)
        expect("MAXIMIZE" not in actions, "the main window can be maximized: " + actions)

    def connect(self, server):
        self.activate_main_window()
        self.find("text", "IP:").queryEditableText().setTextContents("127.0.0.1")
        self.focus(self.find("push button", "Connect"))
        key("space")
        self.peer, _ = server.accept()
        self.peer.settimeout(WAIT)
        chat = wait_for("the chat window", lambda: self.find("dialog", "Chat Window"))
        wait_for("the chat window on screen", lambda: self.window_id("Chat Window"))
        names = {n.name for n in nodes(chat) if n.getRoleName() == "text"}
        expect(names == {"Remote messages", "Local messages", "Message to send"},
               "the chat's fields are named %s" % sorted(names))
        self.activate_main_window()

    def read_the_log(self, lines):
        """The status log as a screen reader reviews it: its whole text, its
        caret, and a selection of its first line."""
        log = self.find("text", "Status")
        text = log.queryText()
        shown = "\n".join(lines)
        wait_for(lambda: "the status log to read %r, not %r" % (shown, text.getText(0, -1)),
                 lambda: text.characterCount == len(shown) and text.getText(0, -1) == shown)
        expect(0 <= text.caretOffset <= len(shown), "the log's caret is at %d" % text.caretOffset)
        expect(text.setSelection(0, 0, len(lines[0])) or text.addSelection(0, len(lines[0])),
               "the log's first line cannot be selected")
        expect(text.getNSelections() == 1 and text.getSelection(0) == (0, len(lines[0])),
               "the log's selection reads %s" % [text.getSelection(i) for i in range(text.getNSelections())])
        # Back to the newest line, as Ctrl+End would take the caret there.
        expect(text.removeSelection(0) and text.setCaretOffset(len(shown)) and text.caretOffset == len(shown),
               "the log's caret did not go to its end")

    def hear_a_line_added(self):
        """The opponent is ready while the player still places: with the
        focus on the status log, its new line is announced and spoken."""
        inserted = []
        def heard(event):
            # Qt's text boxes send a line break they insert as a paragraph
            # separator; the text interface reads it as a line break.
            inserted.append((event.detail1, event.any_data.replace("\u2029", "\n")))
        pyatspi.Registry.registerEventListener(heard, "object:text-changed:insert")
        log = self.find("text", "Status")
        self.focus(log)
        before = log.queryText().characterCount
        self.send(MSG_READY)
        line = "\nOpponent Ready..."
        wait_for(lambda: "the log to announce %r at %d, not %s" % (line, before, inserted),
                 lambda: (before, line) in inserted)
        pyatspi.Registry.deregisterEventListener(heard, "object:text-changed:insert")
        added = log.queryText().getText(before, -1)
        expect(added == line, "the log's new text reads %r" % added)
        spoken = wait_for("the screen reader to say the new line", lambda: [
            said for said in self.said().splitlines() if "Opponent Ready" in said])
        print("a11y walk: the screen reader said %r" % spoken[0])

    def said(self):
        with open(self.spoken) as spoken:
            return spoken.read()

    def place_the_fleet(self):
        # The Carrier from the keyboard: Tab from the last-shot boxes to the
        # Enemy Sea, Tab again to the Home Sea, then Space and the arrows.
        self.activate_main_window()
        self.focus(self.find("text", "Last incoming shot"))
        key("Tab")
        wait_for("the Enemy Sea's stop", lambda: focused(self.square("Enemy Sea", "A1")))
        key("Tab")
        wait_for("the Home Sea's stop", lambda: focused(self.square("Home Sea", "A1")))
        key("space", "Right", "Return", "Right", "space", "Right", "space", "Right", "space")
        for square in ("A1", "B1", "C1", "D1", "E1"):
            self.shows("Home Sea", square, "ship")
        # The other ships by the squares' press action.
        for ship, squares in (("Destroyer (4)", "A3 B3 C3 D3"), ("Cruiser(3)", "A5 B5 C5"),
                              ("Submarine (3)", "A7 B7 C7"), ("PTBoat (2)", "A9 B9")):
            self.press(self.find("radio button", ship))
            for square in squares.split():
                self.press(self.square("Home Sea", square))
                self.shows("Home Sea", square, "ship")
        self.focus(self.find("push button", "Ready to Play"))
        key("space")
        expect(self.receive() == MSG_READY, "the game did not say it was ready")

    def play(self):
        self.send(MSG_YOUR_TURN)
        self.focus(self.find("text", "Last incoming shot"))
        key("Tab", "Down", "Right", "Return")
        expect(self.receive() == 11, "the shot from the keyboard did not go to B2")
        self.send(MSG_HIT)
        self.shows("Enemy Sea", "B2", "hit")
        self.send(0)
        expect(self.receive() == MSG_HIT, "a shot at the Carrier was not answered as a hit")
        self.shows("Home Sea", "A1", "hit")
        key("Right", "space")
        expect(self.receive() == 12, "the second shot did not go to C2")
        self.send(MSG_MISSED)
        self.shows("Enemy Sea", "C2", "miss")

    def open_the_help(self):
        key("ctrl+g")
        help_window = wait_for("the help window", lambda: next(
            (w for w in self.app() if w is not None and w.name == "Game Help"), None))
        expect(help_window.getRoleName() in ("frame", "window", "dialog"),
               "the help window reads as a " + help_window.getRoleName())
        help_window.clearCache()
        samples = sorted(n.name for n in nodes(help_window) if n.getRoleName() == "image")
        expect(samples == ["Blue with X: Water (no hit)", "Red with X: Hit Ship",
                           "White: Unknown content (enemy sea)", "Yellow: Ship (home sea)"],
               "the legend's samples read as %s" % samples)


if __name__ == "__main__":
    Walk(sys.argv[1], sys.argv[2]).run()
