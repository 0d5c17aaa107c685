# SPDX-License-Identifier: GPL-3.0-or-later
"""Two copies of the game, one per host, played by mouse: the host receives,
the guest connects, both place their fleets, each fires a hit and a miss,
and the two players chat both ways."""

from display import Display
from harness import Hosts, Session, check, note, poll, run
from player import BLUE, RED, WHITE, YELLOW, Player

HOST_FLEET = {"Carrier": [0, 1, 2, 3, 4], "Destroyer": [20, 30, 40, 50], "Cruiser": [27, 28, 29],
              "Submarine": [75, 85, 95], "PTBoat": [98, 99]}
GUEST_FLEET = {"Carrier": [11, 21, 31, 41, 51], "Destroyer": [93, 94, 95, 96], "Cruiser": [7, 8, 9],
               "Submarine": [44, 45, 46], "PTBoat": [68, 78]}


def squares(fleet):
    return {square for ship in fleet.values() for square in ship}


def expect_seas(player, fleet, home_hits=(), home_misses=(), enemy_hits=(), enemy_misses=()):
    """Both seas, square by square: colour, and whether it carries the shot mark."""
    seas = player.seas()
    for index in range(100):
        if index in home_hits:
            home = (RED, True)
        else:
            home = (YELLOW if index in squares(fleet) else BLUE, index in home_misses)
        enemy = (RED, True) if index in enemy_hits else (BLUE, True) if index in enemy_misses else (WHITE, False)
        for sea, wanted in (("home", home), ("enemy", enemy)):
            check(seas[sea][index] == wanted, f"{sea} square {index} is {seas[sea][index]}, wanted {wanted}")


def place_shoot_and_chat(host, guest, host_chats=True):
    """Once the two are connected: both place their fleets, each fires a hit
    and a miss, and the two chat both ways (or only the guest, where the
    host's datagrams may not reach it)."""
    fleets = {host: HOST_FLEET, guest: GUEST_FLEET}
    other = {host: guest, guest: host}
    note("placing")
    host.open_chat()
    guest.open_chat()

    for player in (host, guest):
        player.place_fleet(fleets[player])
        check(list(player.tidy()) == ["Chat Window"], "placing a valid fleet shows no notice")
        expect_seas(player, fleets[player])
        player.press("Ready to Play")
    note("starting")
    host.wait_log("Game Started")
    guest.wait_log("Game Started")

    def on_turn():
        showing = [player for player in (host, guest) if player.turn() == "Your Turn"]
        return showing[0] if len(showing) == 1 else None

    note("shooting")
    first = poll("the turn indicators to agree on who shoots first", on_turn)
    second = other[first]
    note(f"the {'host' if first is host else 'guest'} shoots first")
    # A click out of turn only beeps: square 33 stays unshot on both sides.
    second.fire(33)
    targets = {host: [11, 12], guest: [0, 55]}
    for shooter in (first, second, first, second):
        square = targets[shooter].pop(0)
        shooter.fire(square)
        defender = other[shooter]
        mark = (RED if square in squares(fleets[defender]) else BLUE, True)
        poll(f"the answer to {square} on the shooter's board", lambda: shooter.seas()["enemy"][square] == mark)
        poll(f"the shot at {square} on the defender's board", lambda: defender.seas()["home"][square] == mark)
        poll("the turn to pass to the defender", lambda: on_turn() is defender)
    expect_seas(host, HOST_FLEET, home_hits={0}, home_misses={55}, enemy_hits={11}, enemy_misses={12})
    expect_seas(guest, GUEST_FLEET, home_hits={11}, home_misses={12}, enemy_hits={0}, enemy_misses={55})

    note("chatting")
    if host_chats:
        host.say("Ahoy from the host")
        poll("the host's line at the guest", lambda: "Ahoy from the host" in guest.chat_lines("remote"))
        check(host.chat_lines("local")[-1] == "Ahoy from the host", "the host's own line in its local area")
    guest.say("Aye, from the guest")
    poll("the guest's line at the host", lambda: "Aye, from the guest" in host.chat_lines("remote"))
    check("Aye, from the guest" not in guest.chat_lines("remote"), "a line is not echoed to its sender")


def main():
    with Session("two_players", limit=150) as session:
        display = Display(session)
        hosts = Hosts(session)
        host = Player(session, display, hosts, 0, (0, 0))
        guest = Player(session, display, hosts, 1, (900, 0))
        expect_seas(host, {})

        note("connecting")
        host.press("Receive")
        host.wait_log("Waiting for connection...")
        guest.connect(hosts.ADDRESSES[0])
        check(host.wait_log("Please position your ships") == [
            "New Game...", "Waiting for connection...", f"Connected to {hosts.ADDRESSES[1]}",
            "Please position your ships"], "the host's log after the connection")
        check(guest.wait_log("Please position your ships") == [
            "New Game...", "Connecting...", f"Connected to {hosts.ADDRESSES[0]}",
            "Please position your ships"], "the guest's log after the connection")
        place_shoot_and_chat(host, guest)


if __name__ == "__main__":
    run(main)
