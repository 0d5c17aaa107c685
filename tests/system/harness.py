"""What the system tests share: a private X display, two hosts joined by a
veth pair, the processes started on them, and a player's hands and eyes on
the game's windows (clicks at the documented places, screenshots, and text
read through a text box's own context menu and the clipboard).

Every process a test starts ends with the test: it is stopped when the test
ends, however it ends, and the kernel stops it if the test itself is killed.
The two network namespaces are held only by such processes, so they vanish
with them, veth pair included.
"""

import collections
import ctypes
import os
import re
import select
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import traceback

BLUE, YELLOW, RED, WHITE = (0, 0, 255), (255, 255, 0), (255, 0, 0), (255, 255, 255)

# The fleet, ship by ship, in the order of the ship selector.
SHIPS = ("Carrier", "Destroyer", "Cruiser", "Submarine", "PTBoat")


class Failure(Exception):
    pass


_START = time.monotonic()


def note(text):
    """A progress line, so that a failure shows how far the test got and when."""
    print(f"[{time.monotonic() - _START:6.1f}s] {text}", flush=True)


def check(condition, message):
    if not condition:
        raise Failure(message)


def within(timeout, probe, interval=0.05):
    """The first true result of probe, tried until timeout seconds pass, or None."""
    deadline = time.monotonic() + timeout
    while True:
        result = probe()
        if result or time.monotonic() > deadline:
            return result or None
        time.sleep(interval)


def poll(what, probe, timeout=10.0, interval=0.05):
    """The first true result of probe; a failure if none comes in time."""
    result = within(timeout, probe, interval)
    check(result, f"timed out waiting for {what}")
    return result


_libc = ctypes.CDLL(None, use_errno=True)
_PR_SET_PDEATHSIG = 1


def _end_with_parent():
    _libc.prctl(_PR_SET_PDEATHSIG, signal.SIGTERM)


def _interrupt(signum, _frame):
    raise Failure("out of time" if signum == signal.SIGALRM else f"stopped by signal {signum}")


def run(test):
    """Runs a test as a program: exit 0 when it passes, 1 when it fails, and
    77 (skipped) without the root rights that network namespaces need."""
    if os.geteuid() != 0:
        print("skipped: the hosts are network namespaces, which need root")
        sys.exit(77)
    try:
        test()
    except Exception as failure:
        if not isinstance(failure, Failure):
            traceback.print_exc()
        print(f"FAIL: {failure}", file=sys.stderr)
        sys.exit(1)
    print("PASS")


class Session:
    """Everything one test starts. Used as a context manager: on leaving it,
    processes are stopped newest first; on a failure the screen is saved as
    <name>-failure.png in the working folder first."""

    def __init__(self, name, limit):
        self.name = name
        self.limit = limit
        self.processes = []
        self.on_failure = []
        self.dir = tempfile.mkdtemp(prefix="ossaria-system-")

    def __enter__(self):
        signal.signal(signal.SIGALRM, _interrupt)
        signal.signal(signal.SIGTERM, _interrupt)
        signal.alarm(self.limit)
        return self

    def __exit__(self, kind, error, _trace):
        if kind is not None:
            for hook in self.on_failure:
                try:
                    hook()
                except Exception as reason:  # the first fault is the one to report
                    print(f"while saving the failure: {reason}", file=sys.stderr)
        signal.alarm(0)
        for process in reversed(self.processes):
            if process.poll() is None:
                process.terminate()
                try:
                    process.wait(3)
                except subprocess.TimeoutExpired:
                    process.kill()
                    process.wait()
        shutil.rmtree(self.dir, ignore_errors=True)
        return False

    def start(self, arguments, **options):
        options.setdefault("stdin", subprocess.DEVNULL)
        process = subprocess.Popen(arguments, preexec_fn=_end_with_parent, **options)
        self.processes.append(process)
        return process


class Screen:
    """One screenshot, as RGB pixels."""

    def __init__(self, data, width):
        self.data = data
        self.width = width

    def pixel(self, x, y):
        offset = (y * self.width + x) * 3
        return tuple(self.data[offset:offset + 3])

    def area(self, left, top, width, height):
        return [self.pixel(x, y) for y in range(top, top + height) for x in range(left, left + width)]


class Display:
    """A private Xvfb display on the first free number from 140. Clients in
    another network namespace cannot reach its abstract socket and use its
    path socket instead."""

    WIDTH, HEIGHT = 1800, 1000

    def __init__(self, session):
        self.session = session
        number = next((n for n in range(140, 240) if self._start(n)), None)
        check(number is not None, "no free display for Xvfb")
        self.env = dict(os.environ, DISPLAY=f":{number}")
        session.on_failure.append(self.save_failure)

    def _start(self, number):
        """Whether an Xvfb took display number: it writes the number once it
        is ready, and stops if it cannot."""
        if os.path.exists(f"/tmp/.X{number}-lock") or os.path.exists(f"/tmp/.X11-unix/X{number}"):
            return False
        read_end, write_end = os.pipe()
        self.session.start(["Xvfb", f":{number}", "-displayfd", str(write_end), "-nolisten", "tcp",
                            "-screen", "0", f"{self.WIDTH}x{self.HEIGHT}x24"],
                           pass_fds=(write_end,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        answer = b""
        with os.fdopen(read_end, "rb", buffering=0) as pipe:
            while not answer.endswith(b"\n") and select.select([pipe], [], [], 15)[0]:
                chunk = pipe.read(16)
                if not chunk:
                    break
                answer += chunk
        return answer.strip() == str(number).encode()

    def run(self, *arguments, check_exit=True):
        result = subprocess.run(arguments, env=self.env, capture_output=True, text=True, timeout=20)
        if check_exit and result.returncode != 0:
            raise Failure(f"{' '.join(arguments)}: {result.stderr.strip()}")
        return result.stdout

    def xdotool(self, *arguments):
        return self.run("xdotool", *map(str, arguments))

    def screen(self):
        data = subprocess.run(["import", "-silent", "-window", "root", "-depth", "8", "rgb:-"],
                              env=self.env, capture_output=True, timeout=20, check=True).stdout
        return Screen(data, self.WIDTH)

    def save_failure(self):
        path = os.path.abspath(f"{self.session.name}-failure.png")
        self.run("import", "-silent", "-window", "root", path)
        print(f"screen at the failure: {path}", file=sys.stderr)

    def windows(self, pid, title=".*"):
        """The visible windows of a process whose title matches."""
        found = subprocess.run(["xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid),
                                "--name", title], env=self.env, capture_output=True, text=True, timeout=20)
        return [int(w) for w in found.stdout.split()]

    def geometry(self, window):
        values = dict(re.findall(r"^(\w+)=(\d+)$", self.xdotool("getwindowgeometry", "--shell", window), re.M))
        return tuple(int(values[k]) for k in ("X", "Y", "WIDTH", "HEIGHT"))

    def move(self, window, x, y):
        self.xdotool("windowmove", "--sync", window, x, y)

    def click(self, x, y, button=1):
        self.xdotool("mousemove", x, y, "click", button)

    def keys(self, *keys):
        self.xdotool("key", "--clearmodifiers", *keys)

    def type(self, text):
        self.xdotool("type", "--delay", 5, text)

    def clipboard(self):
        return self.run("xclip", "-o", "-selection", "clipboard", check_exit=False)


class Hosts:
    """Two network namespaces joined by a veth pair, 10.79.0.1 and 10.79.0.2."""

    ADDRESSES = ("10.79.0.1", "10.79.0.2")

    def __init__(self, session):
        self.session = session
        own = os.readlink("/proc/self/ns/net")
        self.holders = [session.start(["unshare", "--net", "sleep", "infinity"]) for _ in self.ADDRESSES]
        for holder in self.holders:
            poll("a network namespace", lambda: os.readlink(f"/proc/{holder.pid}/ns/net") != own, timeout=5)
        a, b = (str(holder.pid) for holder in self.holders)
        self._ip("ip", "link", "add", "sea0", "netns", a, "type", "veth", "peer", "name", "sea0", "netns", b)
        for host, address in enumerate(self.ADDRESSES):
            self._ip(*self._enter(host), "ip", "-batch", "-",
                     commands=f"link set lo up\naddr add {address}/24 dev sea0\nlink set sea0 up\n")

    def _enter(self, host):
        return ["nsenter", "--target", str(self.holders[host].pid), "--net", "--"]

    def _ip(self, *arguments, commands=""):
        result = subprocess.run(arguments, input=commands, capture_output=True, text=True, timeout=20)
        check(result.returncode == 0, f"{' '.join(arguments)}: {result.stderr.strip()}")

    def start(self, host, arguments, **options):
        return self.session.start(self._enter(host) + arguments, **options)


class Lines:
    """The lines a process prints, gathered as they come."""

    def __init__(self, stream):
        self.lines = []
        self._lock = threading.Lock()
        threading.Thread(target=self._gather, args=(stream,), daemon=True).start()

    def _gather(self, stream):
        for line in stream:
            with self._lock:
                self.lines.append(line.rstrip("\n"))

    def snapshot(self):
        with self._lock:
            return list(self.lines)

    def wait_for(self, pattern, timeout=15.0):
        """The first line matching pattern (a regular expression)."""
        def probe():
            return next((m for m in map(re.compile(pattern).search, self.snapshot()) if m), None)
        return poll(f"a line like {pattern!r}", probe, timeout)


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
