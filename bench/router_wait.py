# SPDX-License-Identifier: GPL-3.0-or-later
"""What asking the router costs the player: receive_repaint on the home
machine of the system tests' small Internet (tests/system/router_bed.py),
under a private Xvfb, in three settings run in turn: the router's option
turned off (the game as it was, the baseline), a router without its UPnP
daemon, and a router that forwards. Prints the time from the Receive click to
the window's next repaint for each, and the time until the router's outside
address is shown: the first time (SSDP discovery included) and the later
times (the router known).

As root:  python3 bench/router_wait.py <folder of receive_repaint> [runs]
"""

import os
import statistics
import subprocess
import sys

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "system"))

from display import Display  # noqa: E402
from harness import Session  # noqa: E402
from router_bed import RouterBed  # noqa: E402


def measure(session, display, daemon, runs, *options):
    bed = RouterBed(session, daemon)
    program = os.path.join(sys.argv[1], "receive_repaint")
    result = bed.start("home", [program, str(runs), *options], env=display.env, stdout=subprocess.PIPE,
                       stderr=subprocess.PIPE, text=True)
    out, err = result.communicate(timeout=60 + 15 * runs)
    if result.returncode != 0:
        sys.exit(f"receive_repaint {' '.join(options)}: {err.strip()}")
    return {line.split()[0]: [float(ms) for ms in line.split()[1:]] for line in out.splitlines()}


def row(label, samples, baseline):
    median = statistics.median(samples)
    ratio = f"  {median / baseline:6.2f}x" if baseline else ""
    print(f"{label:<52} {min(samples):10.1f} {median:10.1f} {max(samples):10.1f} ms{ratio}")


def main():
    if os.geteuid() != 0 or len(sys.argv) < 2:
        sys.exit("usage, as root: router_wait.py <folder of receive_repaint> [runs]")
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 20
    with Session("router_wait", limit=120 + 30 * runs) as session:
        display = Display(session)
        off = measure(session, display, "forwards", runs, "--router-off")
        bare = measure(session, display, None, runs)
        forwards = measure(session, display, "forwards", runs, "--address")
    baseline = statistics.median(off["repaint"])
    print(f"router_wait: {runs} Receive clicks per setting, Xvfb, sound off")
    print(f"{'setting, figure':<52} {'min':>10} {'median':>10} {'max':>10}      /off")
    row("option off, Receive to repaint", off["repaint"], baseline)
    row("router without daemon, Receive to repaint", bare["repaint"], baseline)
    row("router that forwards, Receive to repaint", forwards["repaint"], baseline)
    row("router that forwards, to address shown, first", forwards["shown"][:1], None)
    row("router that forwards, to address shown, later", forwards["shown"][1:], None)


if __name__ == "__main__":
    main()
