# SPDX-License-Identifier: GPL-3.0-or-later
"""A player's hands and eyes on the game's windows: clicks at the documented
places, the seas and the turn read from screenshots, text read through a
text box's own context menu and the clipboard."""

import collections
import os
import subprocess
import sys
import tempfile

from harness import check, poll

BLUE, YELLOW, RED, WHITE = (0, 0, 255), (255, 255, 0), (255, 0, 0), (255, 255, 255)

# The fleet, ship by ship, in the order of the ship selector.
SHIPS = ("Carrier", "Destroyer", "Cruiser", "Submarine", "PTBoat")


def game_program():
    return os.environ.get("KELVASK", "kelvask")


class Player:
    """One copy of the game on one host, its main window at `place` on the
    screen, seen and driven as a player would, by the documented positions
    (twips, 15 to a pixel, from the top left of the client area)."""

    CLIENT_WIDTH, CLIENT_HEIGHT = 7545 // 15, 6915 // 15
    SEA_LEFT = {"enemy": 600, "home": 4275}
    BUTTONS = {"Connect": (150 + 150, 3825 + 675), "Receive": (150 + 150, 3825 + 975),
               "Ready to Play": (3825, 4050)}
    IP_BOX = (150 + 525, 3825 + 300)
    TURN_OPTIONS = {"Your Turn": 4350 + 300, "Enemy's Turn": 4350 + 600}
    STATUS_LOG = (150, 5550)
    SHIP_OPTION_TOP = 3825 + 300
    CHAT_BOXES = {"remote": (75, 75), "local": (75, 2025), "send": (75, 3975)}

    def __init__(self, session, display, hosts, host, place):
        self.display = display
        self.place = place
        runtime = tempfile.mkdtemp(dir=session.dir)
        # A runtime folder of its own has no sound server in it: the game is
        # silent and never waits for a sound.
        env = {k: v for k, v in display.env.items() if k not in ("PULSE_SERVER", "DBUS_SESSION_BUS_ADDRESS")}
        env.update(XDG_RUNTIME_DIR=runtime, QT_QPA_PLATFORM="xcb")
        errors = os.path.join(runtime, "stderr")
        with open(errors, "w") as stream:
            self.process = hosts.start(host, [game_program()], env=env, cwd=runtime,
                                       stdout=subprocess.DEVNULL, stderr=stream)
        session.on_failure.append(
            lambda: print(f"game on host {host} said:", open(errors).read(), file=sys.stderr))

        def shown():
            check(self.process.poll() is None, f"the game ended with {self.process.returncode}")
            return display.windows(self.process.pid, "^Ossaria$")
        self.window = poll("the game's window", shown, timeout=30)[0]
        display.move(self.window, *place)
        x, y, _, height = poll("the window at its place", lambda: self._placed(place))
        self.origin = (x, y + height - self.CLIENT_HEIGHT)

    def _placed(self, place):
        geometry = self.display.geometry(self.window)
        return geometry if geometry[:2] == place else None

    # Where things are.

    def at(self, left, top, width=240, height=240, window_origin=None):
        """The screen pixel in the middle of a control given in twips."""
        x, y = window_origin or self.origin
        return x + (left + width // 2) // 15, y + (top + height // 2) // 15

    def tile(self, sea, index):
        return self.SEA_LEFT[sea] + 300 * (index % 10), 600 + 300 * (index // 10)

    # Hands.

    def click(self, left, top, width=240, height=240, button=1):
        self.display.click(*self.at(left, top, width, height), button=button)

    def click_in(self, window, left, top, width, height):
        """Clicks a control of another window of this game, given in twips
        from the window's top left (there is no window manager to frame it)."""
        self.display.click(*self.at(left, top, width, height, self.display.geometry(window)[:2]))

    def press(self, caption):
        self.click(*self.BUTTONS[caption], 1590, 240)

    def fire(self, index):
        self.click(*self.tile("enemy", index), 240, 270)

    def place_fleet(self, fleet):
        """Places each ship of fleet (ship name: squares) square by square."""
        for number, ship in enumerate(SHIPS):
            self.click(5625 + 150, self.SHIP_OPTION_TOP + 225 * number, 1290, 240)
            for square in fleet[ship]:
                self.click(*self.tile("home", square), 240, 270)

    def connect(self, address):
        self.click(*self.IP_BOX, 1440, 255)
        self.display.keys("End", "shift+Home")
        self.display.type(address)
        self.press("Connect")

    # Eyes.

    def seas(self):
        """Each sea as 100 (colour, marked) pairs: the colour that fills the
        middle of the tile, and whether anything (a caption) is drawn on it."""
        screen = self.display.screen()
        x0, y0 = self.origin
        result = {}
        for sea in self.SEA_LEFT:
            tiles = []
            for index in range(100):
                left, top = self.tile(sea, index)
                pixels = screen.area(x0 + left // 15 + 2, y0 + top // 15 + 2, 12, 14)
                counts = collections.Counter(pixels)
                colour, _ = counts.most_common(1)[0]
                tiles.append((colour, len(counts) > 1))
            result[sea] = tiles
        return result

    def turn(self):
        """The option the turn indicator shows selected: the one whose round
        indicator has the darker middle (its dot)."""
        screen = self.display.screen()
        x0, y0 = self.origin

        def middle(top):
            return sum(screen.pixel(x0 + (3825 + 150) // 15 + 7, y0 + (top + 120) // 15))
        return min(self.TURN_OPTIONS, key=lambda option: middle(self.TURN_OPTIONS[option]))

    def read_text(self, left, top, width, height, window_origin=None):
        """A text box's whole text, read as a person would copy it: Select All
        and Copy from its context menu, then the clipboard."""
        x, y = self.at(left, top, width, height, window_origin)

        def menu():  # a menu is the one window of the game without a title
            return self.display.windows(self.process.pid, "^$")
        # The two clicks stand apart, or the second would count as a double click.
        for keys, shift in ((("Up", "Return"), -40), (("c",), 40)):
            self.display.click(x + shift, y, button=3)
            poll("the context menu", menu, timeout=5)
            self.display.keys(*keys)
            poll("the context menu to close", lambda: not menu(), timeout=5)
        return self.display.clipboard()

    def log(self):
        return self.read_text(*self.STATUS_LOG, 7215, 1215).splitlines()

    def wait_log(self, line, timeout=15.0):
        """The status log once it holds line."""
        def holding():
            lines = self.log()
            return lines if line in lines else None
        return poll(f"{line!r} in the status log", holding, timeout)

    # Other windows, moved off the boards to this player's free part of the
    # screen: the chat below the main window, boxes to its right, the notice
    # above the others.

    def tidy(self):
        """Moves every other window of this game aside (windowmove waits for
        it); returns them by title."""
        moved = {}
        for window in self.display.windows(self.process.pid, ".+"):
            if window == self.window:
                continue
            title = self.display.run("xdotool", "getwindowname", str(window)).strip()
            x, y = self.place
            spot = {"Chat Window": (x, y + 500), "Message": (x + self.CLIENT_WIDTH + 20, y)}.get(
                title, (x + self.CLIENT_WIDTH + 20, y + 150))
            if self.display.geometry(window)[:2] != spot:
                self.display.move(window, *spot)
            moved[title] = window
        return moved

    def open_chat(self):
        """Waits for the chat window and moves it aside."""
        self.chat = poll("the chat window", lambda: self.tidy().get("Chat Window"))
        self.chat_origin = self.display.geometry(self.chat)[:2]

    def say(self, text):
        self.display.click(*self.at(*self.CHAT_BOXES["send"], 7140, 315, self.chat_origin))
        self.display.type(text)
        self.display.keys("Return")

    def chat_lines(self, box):
        return self.read_text(*self.CHAT_BOXES[box], 7140, 1890, self.chat_origin).splitlines()
