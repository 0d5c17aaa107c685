// SPDX-License-Identifier: GPL-3.0-or-later
// One side's match: the connection's flags, placing and declaring the
// fleet, firing, the ready handshake, the start and the return to a new game.

#include "Match.h"

#include <utility>

Match::Match(Draw draw)
    : m_draw(std::move(draw))
{
}

void Match::hosting()
{
    m_state.bHost = true;
}

void Match::connected()
{
    m_state.bConnected = true;
}

void Match::openPlacement()
{
    m_state.bPlacing = true;
}

// The flags of the match stay as they were until a new game.
void Match::connectionBroken()
{
    m_state.bConnected = false;
}

// The checks come in this order, each with its own notice: a second click
// on a ship square is refused as occupied before any ship is looked at.
Placement Match::placeSquare(short index, std::optional<int> ship)
{
    if (!m_state.bPlacing)
        return Placement::Closed;
    if (m_home.at(index) != Square::Water)
        return Placement::Occupied;
    if (!ship)
        return Placement::NoShipSelected;
    if (m_fleet.complete(*ship))
        return Placement::ShipComplete;
    const std::optional<short> direction = m_fleet.extendedBy(*ship, index);
    if (!direction)
        return Placement::NotAdjacent;
    m_home.set(index, Square::Ship);
    m_fleet.add(*ship, index, *direction);
    return Placement::Placed;
}

Readiness Match::declareReady()
{
    if (!m_state.bPlacing)
        return {};
    if (const std::optional<int> ship = m_fleet.firstIncomplete())
        return {false, ship};
    m_state.bReady = true;
    m_state.bPlacing = false;
    return {true, std::nullopt, OpponentReady()};
}

// Red squares and marks of a match go too: the Home Sea is all water again.
void Match::ClearFleet()
{
    m_fleet.clear();
    m_home.clear(Square::Water);
}

bool Match::aim(short index)
{
    if (!m_state.bGameOn || !m_state.bMyTurn)
        return false;
    m_state.iShotTile = index;
    return true;
}

Fire Match::FireShot()
{
    if (!m_state.bConnected)
        return Fire::NotConnected;
    if (!m_state.bCanShoot)
        return Fire::CannotShoot;
    m_state.bMyTurn = false;
    m_state.bCanShoot = false;
    return Fire::Fired;
}

// Called when our msgReady has gone out and when the opponent's has come in.
Handshake Match::OpponentReady()
{
    if (m_state.bGameOn)
        return Handshake::AlreadyOn;
    if (m_state.bReady && m_state.bOppReady) {
        m_state.bGameOn = true;
        m_state.bCanShoot = true;
        m_state.bStartPending = true;
        return Handshake::BothReady;
    }
    m_state.bCanShoot = false;
    m_state.bGameOn = false;
    return m_state.bOppReady ? Handshake::OpponentFirst : Handshake::WaitingForOpponent;
}

std::optional<Start> Match::SendComplete()
{
    if (!m_state.bStartPending)
        return std::nullopt;
    return StartGame();
}

// A draw of 0.5 or more gives the host the first shot. The host's bCanShoot
// has been true since the handshake.
Start Match::StartGame()
{
    m_state.bStartPending = false;
    if (!m_state.bHost)
        return {};
    const bool hostFirst = !(m_draw() < 0.5f);
    m_state.bMyTurn = hostFirst;
    return {true, hostFirst};
}

// The sound switch is the window's; the last shot's square survives.
void Match::ResetGame()
{
    const short shotTile = m_state.iShotTile;
    m_state = MatchState{};
    m_state.iShotTile = shotTile;
    ClearFleet();
    m_enemy.clear(Square::Unknown);
}
