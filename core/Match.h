// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Fleet.h"
#include "MessageCodes.h"
#include "Sea.h"

#include <functional>
#include <optional>

// The match flags and counters, as a new game has them.
struct MatchState {
    bool bMyTurn = false;
    bool bCanShoot = false;
    bool bReady = false;
    bool bOppReady = false;
    bool bConnected = false;
    bool bPlacing = false;
    bool bGameOn = false;
    bool bHost = false;
    bool bStartPending = false;
    // Enemy Sea square of our latest shot; a new game keeps it.
    short iShotTile = 0;
    // Distinct enemy ship squares our shots have hit.
    short iHitCount = 0;

    bool operator==(const MatchState&) const = default;
};

// A click on the Home Sea, refused or placed.
enum class Placement { Placed, Closed, Occupied, NoShipSelected, ShipComplete, NotAdjacent };

// What the ready handshake found.
enum class Handshake {
    AlreadyOn,      // the match is running: nothing happens
    BothReady,      // the start is pending
    OpponentFirst,  // the opponent is ready, we are still placing
    WaitingForOpponent,
};

// "Ready to Play": declared, or refused with the first incomplete ship, or
// refused because placement is not open (no ship).
struct Readiness {
    bool declared = false;
    std::optional<int> incompleteShip;
    Handshake handshake = Handshake::AlreadyOn;
};

// Firing our shot at iShotTile.
enum class Fire { Fired, NotConnected, CannotShoot };

// The start of the match. Only the host has drawn who shoots first; it
// tells the guest with the turn code.
struct Start {
    bool host = false;
    bool hostFirst = false;
    qint16 turnCode() const { return hostFirst ? MessageCodes::msgEnemyTurn : MessageCodes::msgYourTurn; }
};

// The opponent's shot at our Home Sea and our answer to it.
struct IncomingShot {
    short square = 0;
    bool hit = false;
    qint16 answer() const { return hit ? MessageCodes::msgHit : MessageCodes::msgMissed; }
};

// The answer to our shot, marked on the Enemy Sea at `square`; `counted`
// when it is a hit on a square not hit before.
struct ShotResult {
    short square = 0;
    bool hit = false;
    bool counted = false;
};

// One value received on the game connection and what it did.
struct Received {
    enum Code { Shot, Ready, YourTurn, EnemyTurn, Hit, Missed, YouLose, Garbage };
    Code code = Garbage;
    IncomingShot shot;         // Shot
    Handshake handshake{};     // Ready
    std::optional<Start> start; // Ready (a pending start begins), YourTurn, EnemyTurn
    ShotResult result;         // Hit, Missed
};

// The rules of one side of a match: both seas, the fleet, the flags. Each
// operation is the part of a window's handler that reads and writes the game
// state, and returns what happened; the window plays, shows and sends it.
class Match {
public:
    // Draws a single-precision value in [0, 1) when the host decides who
    // shoots first.
    using Draw = std::function<float()>;
    explicit Match(Draw draw);

    const MatchState& state() const { return m_state; }
    const Sea& home() const { return m_home; }
    const Sea& enemy() const { return m_enemy; }
    const Fleet& fleet() const { return m_fleet; }
    // Our shots have hit every square of the enemy fleet.
    bool victory() const { return m_state.iHitCount == Board::FleetSquares; }

    // The connection: this side listens, is connected, opens placement, or
    // has lost the connection to an error.
    void hosting();
    void connected();
    void openPlacement();
    void connectionBroken();

    // Square `index` of the Home Sea clicked with ship `ship` (fleet order)
    // selected, or none.
    Placement placeSquare(short index, std::optional<int> ship);
    Readiness declareReady();
    void ClearFleet();

    // An Enemy Sea click: true when it is our turn in a running match, and
    // the square is now iShotTile.
    bool aim(short index);
    Fire FireShot();
    // The game connection has taken the last send: the start, if pending.
    std::optional<Start> SendComplete();
    Received received(qint16 value);
    void ResetGame();

private:
    IncomingShot ReceiveShot(short square);
    ShotResult ApplyShotResult(bool hit);
    Handshake OpponentReady();
    Start StartGame();

    Draw m_draw;
    MatchState m_state;
    Sea m_home{Square::Water};
    Sea m_enemy{Square::Unknown};
    Fleet m_fleet;
};
