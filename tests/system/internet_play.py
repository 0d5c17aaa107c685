# SPDX-License-Identifier: GPL-3.0-or-later
"""The game across a small Internet (router_bed.py): a player at home behind
a home router, a friend outside. Played by mouse, as two_players.py plays.

    internet_play.py router      the router runs miniupnpd: the home player
                                 hosts, the status log gives the router's
                                 outside address, the friend connects to it,
                                 both play and chat; the router forwards the
                                 two ports while the game hosts and none
                                 after Disconnect, Exit and SIGTERM
    internet_play.py refusing    miniupnpd answers and refuses: one line
                                 says so, and nothing is forwarded
    internet_play.py no-router   the router only routes: the log is the
                                 documented one, and the home player joins
                                 the friend, who hosts, plays and chats
"""

import sys

from display import Display
from harness import Session, check, note, poll, run, within
from player import Player
from router_bed import FRIEND, FRIEND_SECOND, HOME, HOME_NAME, ROUTER_OUTSIDE, RouterBed
from two_players import place_shoot_and_chat

FORWARDS = [("TCP", 6431, HOME, 6431), ("UDP", 6432, HOME, 6432)]
OUTSIDE_LINE = f"Players on the Internet can connect to {ROUTER_OUTSIDE}"
STRANGER = f"""import socket
stranger = socket.socket(socket.AF_INET, socket.SOCK_DGRAM)
stranger.bind(("{FRIEND_SECOND}", 0))
stranger.sendto(b"Free prizes", ("{ROUTER_OUTSIDE}", 6432))
"""
# Longer than the router's discovery takes; the documented log must hold
# after it.
DISCOVERY = 3.0


def boxes(display, player):
    """The game's modal boxes on screen."""
    return [w for w in display.windows(player.process.pid, "^Ossaria$") if w != player.window]


def join_friend(home, friend):
    """The friend hosts and the home player joins: the documented log."""
    friend.press("Receive")
    friend.wait_log("Waiting for connection...")
    home.connect(FRIEND)
    check(home.wait_log("Please position your ships") == [
        "New Game...", "Connecting...", f"Connected to {FRIEND}", "Please position your ships"],
        "the joining player's log")


def disconnect(display, player):
    player.click(150 + 150, 3825 + 1275, 1890, 240)
    answer_box(display, player)


def answer_box(display, player, title="Ossaria"):
    """Presses OK in the game's modal box, once it shows."""
    box = poll(f"the box {title!r}", lambda: player.tidy().get(title))
    display.xdotool("windowfocus", "--sync", box, "key", "Return")
    poll("the box to close", lambda: title not in player.tidy())


def exit_game(display, player):
    """Game > Exit, the question answered OK, and the program gone."""
    display.xdotool("windowfocus", "--sync", player.window, "key", "ctrl+x")
    answer_box(display, player)
    poll("the game to end", lambda: player.process.poll() is not None)


def with_router(session, display):
    bed = RouterBed(session, "forwards")
    home = Player(session, display, bed, "home", (0, 0))
    friend = Player(session, display, bed, "friend", (900, 0))

    note("hosting")
    home.press("Receive")
    check(home.wait_log(OUTSIDE_LINE) == ["New Game...", "Waiting for connection...", OUTSIDE_LINE],
          "the host's log names the router's outside address")
    check(bed.forwards() == FORWARDS, f"the router forwards the game's ports: {bed.forwards()}")
    check(all(0 < forward[-1] <= 600 for forward in bed.forwards(leases=True)),
          f"the forwards' leases end within ten minutes: {bed.forwards(leases=True)}")

    note("joining by name")
    friend.connect("slow.example")
    check(friend.log() == ["New Game...", "Connecting..."] and not boxes(display, friend),
          "the friend's window answers while the name is looked up")
    # The error box (Error #11001) once the name server has not answered.
    answer_box(display, friend)
    check(friend.log() == ["New Game...", "Connecting..."], "a name that does not resolve adds no line")
    friend.connect(HOME_NAME)
    check(home.wait_log("Please position your ships") == [
        "New Game...", "Waiting for connection...", OUTSIDE_LINE, f"Connected to {FRIEND}",
        "Please position your ships"], "the host's log after the connection")
    check(friend.wait_log("Please position your ships") == [
        "New Game...", "Connecting...", "Connecting...", f"Connected to {ROUTER_OUTSIDE}",
        "Please position your ships"], "the friend's log after the connection")
    place_shoot_and_chat(home, friend)

    note("a stranger writes to the host's chat")
    # Through the router's forward, from an address of the friend's machine
    # that is not the friend's.
    bed.run("friend", sys.executable, "-c", STRANGER)
    friend.say("Still me")
    poll("the friend's next line at the host", lambda: "Still me" in home.chat_lines("remote"))
    check("Free prizes" not in home.chat_lines("remote"), "a stranger's datagram is shown in the chat")

    note("disconnecting")
    disconnect(display, home)
    poll("the forwards to end after Disconnect", lambda: bed.forwards() == [])
    answer_box(display, friend)

    note("joining the friend")
    join_friend(home, friend)
    poll("the chat port forwarded while joining", lambda: bed.forwards() == FORWARDS[1:])
    disconnect(display, home)
    poll("the forwards to end after Disconnect", lambda: bed.forwards() == [])
    answer_box(display, friend)

    note("hosting again, then leaving")
    home.press("Receive")
    home.wait_log(OUTSIDE_LINE)
    check(bed.forwards() == FORWARDS, "the router forwards the game's ports again")
    exit_game(display, home)
    check(bed.forwards() == [], "the forwards end with the program")

    note("the option turned off")
    home = Player(session, display, bed, "home", (0, 0))
    display.xdotool("windowfocus", "--sync", home.window, "key", "alt+o", "r")
    home.press("Receive")
    check(not within(DISCOVERY, lambda: home.log() != ["New Game...", "Waiting for connection..."], interval=0.5),
          f"the router was asked with the option off: {home.log()}")
    check(bed.forwards() == [], "the router was asked with the option off")
    display.xdotool("windowfocus", "--sync", home.window, "key", "ctrl+n", "alt+o", "r")
    home.press("Receive")
    home.wait_log(OUTSIDE_LINE)
    home.process.terminate()
    poll("the game to end on SIGTERM", lambda: home.process.poll() is not None)
    check(bed.forwards() == [], "the forwards end with the desktop session")


def refusing_router(session, display):
    bed = RouterBed(session, "refuses")
    home = Player(session, display, bed, "home", (0, 0))
    home.press("Receive")
    refused = "The router refused to open TCP port 6431 and UDP port 6432"
    check(home.wait_log(refused) == ["New Game...", "Waiting for connection...", refused],
          "the host's log says the router refused")
    check(bed.forwards() == [], "a refusing router forwards nothing")


def without_router(session, display):
    bed = RouterBed(session, None)
    home = Player(session, display, bed, "home", (0, 0))
    friend = Player(session, display, bed, "friend", (900, 0))
    home.press("Receive")
    home.wait_log("Waiting for connection...")
    check(not within(DISCOVERY, lambda: home.log() != ["New Game...", "Waiting for connection..."], interval=0.5),
          f"the host's log changed without a router: {home.log()}")
    # A game that hosted and then joins would still draw who shoots first:
    # Game > New makes it a plain guest.
    display.xdotool("windowfocus", "--sync", home.window, "key", "ctrl+n")
    poll("the new game", lambda: home.log() == ["New Game..."])
    join_friend(home, friend)
    check(friend.wait_log("Please position your ships") == [
        "New Game...", "Waiting for connection...", f"Connected to {ROUTER_OUTSIDE}", "Please position your ships"],
        "the friend's log after the connection")
    # Without a forward, the friend's chat reaches home only if the home's
    # datagrams happened to pass the router first: only home chats.
    place_shoot_and_chat(friend, home, host_chats=False)


def main():
    variant = sys.argv[1]
    with Session(f"internet_play_{variant}", limit=240) as session:
        display = Display(session)
        {"router": with_router, "refusing": refusing_router, "no-router": without_router}[variant](session, display)


if __name__ == "__main__":
    run(main)
