# SPDX-License-Identifier: GPL-3.0-or-later
"""A whole match of the game against kelvask-robot on another host, played
by mouse to its end. Usage: robot_match.py won | lost

won:  the robot hosts and the player joins, then fires only at the robot's
      fleet (the robot prints it) until all 17 squares are hit.
lost: the player hosts and the robot joins, then the player fires only at
      water until the robot has hit the whole fleet.

Both check the boards against the robot's own account of every shot, the
end-of-match boxes, and the new game both sides return to."""

import os
import re
import subprocess
import sys

from display import Display
from harness import Hosts, Lines, Session, check, note, poll, run, within
from player import BLUE, RED, WHITE, YELLOW, Player

FLEET = {"Carrier": [12, 13, 14, 15, 16], "Destroyer": [30, 40, 50, 60], "Cruiser": [57, 58, 59],
         "Submarine": [72, 82, 92], "PTBoat": [95, 96]}
PLAYER, ROBOT = 0, 1


def robot_account(robot, pattern):
    """(square, hit) pairs from the robot's lines like pattern, whose groups
    are the square and the answer."""
    found = (re.fullmatch(pattern, line) for line in robot.snapshot())
    return [(int(m.group("square")), m.group("answer") == "hit") for m in found if m]


def robot_shots(robot):
    return robot_account(robot, r"(?P<answer>hit|miss) (?P<square>\d+)")


def shots_at_robot(robot):
    return robot_account(robot, r"incoming (?P<square>\d+) (?P<answer>hit|miss)")


def fire(player, robot, square, robot_first):
    """Fires at square once it is the player's turn, as the robot's account
    shows it. A click that came before the game took the turn only beeped;
    it is repeated."""
    fired = len(shots_at_robot(robot))
    poll("the player's turn", lambda: len(robot_shots(robot)) >= fired + robot_first, timeout=15)
    for _ in range(3):
        player.fire(square)
        if within(3, lambda: len(shots_at_robot(robot)) > fired):
            check(shots_at_robot(robot)[-1][0] == square, f"the shot at {square} arrived as aimed")
            return
    check(False, f"the robot never saw the shot at {square}")


def expect_boards(player, robot_fleet, robot):
    """The boards at the end of the match, square by square, against the
    robot's account: the shots each side fired and the answers it got."""
    seas = player.seas()
    own = {square for ship in FLEET.values() for square in ship}
    fired = {square for square, _ in shots_at_robot(robot)}
    robot_fired = {int(m.group(1)) for m in map(re.compile(r"fire (\d+)$").match, robot.snapshot()) if m}
    for index in range(100):
        enemy = (RED if index in robot_fleet else BLUE, True) if index in fired else (WHITE, False)
        if index in robot_fired:
            home = (RED if index in own else BLUE, True)
        else:
            home = (YELLOW if index in own else BLUE, False)
        check(seas["enemy"][index] == enemy, f"enemy square {index} is {seas['enemy'][index]}, wanted {enemy}")
        check(seas["home"][index] == home, f"home square {index} is {seas['home'][index]}, wanted {home}")
    for square, hit in robot_shots(robot):
        check(hit == (square in own), f"the robot was told the truth about square {square}")


def main(outcome):
    with Session(f"robot_match_{outcome}", limit=150) as session:
        display = Display(session)
        hosts = Hosts(session)
        player = Player(session, display, hosts, PLAYER, (0, 0))
        role = ["--host"] if outcome == "won" else ["--join", hosts.ADDRESSES[PLAYER], "--wait"]
        process = hosts.start(ROBOT, [os.environ.get("KELVASK_ROBOT", "kelvask-robot"), *role,
                                      "--games", "1", "--delay", "0"],
                              stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        robot = Lines(process.stdout)
        session.on_failure.append(lambda: print("robot said:", *robot.snapshot(), sep="\n  ", file=sys.stderr))

        note("connecting")
        if outcome == "won":
            robot.wait_for("^listening on 6431$")
            player.connect(hosts.ADDRESSES[ROBOT])
        else:
            player.press("Receive")
            robot.wait_for("^connected to ")
        player.wait_log("Please position your ships")
        player.open_chat()
        robot_fleet = {int(t) for t in robot.wait_for(r"^fleet: ((\d+ ){16}\d+)$").group(1).split()}

        note("placing")
        player.place_fleet(FLEET)
        player.press("Ready to Play")
        player.wait_log("Game Started")
        robot_first = int(robot.wait_for("^(my turn|their turn)$").group(1) == "my turn")

        note("shooting, the robot first" if robot_first else "shooting, the player first")
        targets = sorted(robot_fleet) if outcome == "won" else [s for s in range(100) if s not in robot_fleet]
        for shot in range(100):
            if any(line in ("won", "lost") for line in robot.snapshot()):
                break
            fire(player, robot, targets[shot % len(targets)], robot_first)
        robot.wait_for("^won$" if outcome == "lost" else "^lost$")

        note("ending")
        boxes = poll("the end of match notice and the Disconnected box",
                     lambda: (w := player.tidy()) and "Message" in w and "Ossaria" in w and w)
        if outcome == "won":
            check({square for square, _ in shots_at_robot(robot)} == robot_fleet,
                  "the game declared victory at the 17th hit, not before")
        expect_boards(player, robot_fleet, robot)
        display.xdotool("windowfocus", "--sync", boxes["Ossaria"], "key", "Return")
        poll("the log of a new game", lambda: player.log() == ["New Game..."])
        poll("the boards of a new game", lambda: all(t == (BLUE, False) for t in player.seas()["home"])
             and all(t == (WHITE, False) for t in player.seas()["enemy"]))
        player.click_in(boxes["Message"], 1125, 825, 1665, 315)
        poll("the notice to close", lambda: "Message" not in player.tidy())
        robot.wait_for("^summary: ")
        poll("the robot to stop after its one match", lambda: process.poll() is not None)


if __name__ == "__main__":
    check(sys.argv[1:] in (["won"], ["lost"]), "usage: robot_match.py won | lost")
    run(lambda: main(sys.argv[1]))
