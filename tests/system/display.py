# SPDX-License-Identifier: GPL-3.0-or-later
"""A private X display for a system test: screenshots, and the mouse, the
keyboard and the clipboard through xdotool and xclip."""

import os
import re
import select
import subprocess
import sys

from harness import Failure, check


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
