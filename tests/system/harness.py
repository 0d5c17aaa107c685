# SPDX-License-Identifier: GPL-3.0-or-later
"""What every system test stands on: running a test as a program, the
processes it starts (stopped when the test ends, however it ends, and by the
kernel if the test itself is killed), two hosts in network namespaces held
only by such processes, so that they vanish with them, veth pair included,
and the lines a process prints.
"""

import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import threading
import time
import traceback


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
