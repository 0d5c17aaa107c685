// SPDX-License-Identifier: GPL-3.0-or-later
// The dispatch of a value received on the game connection, and what a shot
// and an answer do to the seas.

#include "Match.h"

using namespace MessageCodes;

// No code is checked against the phase of the match: a shot is answered
// whenever it comes, an answer to no shot marks the last shot's square.
// Values that name no square (100 and above) are garbage like the unused
// codes: they change nothing.
Received Match::received(qint16 value)
{
    Received r;
    if (value >= FirstTile && value <= LastTile) {
        r.code = Received::Shot;
        r.shot = ReceiveShot(value);
        return r;
    }
    switch (value) {
    case msgReady:
        r.code = Received::Ready;
        m_state.bOppReady = true;
        r.handshake = OpponentReady();
        // The start that the handshake may have made pending begins now,
        // without waiting for a send.
        r.start = SendComplete();
        break;
    case msgYourTurn:
        r.code = Received::YourTurn;
        m_state.bMyTurn = true;
        m_state.bCanShoot = true;
        r.start = StartGame();
        break;
    case msgEnemyTurn:
        r.code = Received::EnemyTurn;
        m_state.bMyTurn = false;
        m_state.bCanShoot = false;
        r.start = StartGame();
        break;
    case msgHit:
    case msgMissed:
        r.code = value == msgHit ? Received::Hit : Received::Missed;
        r.result = ApplyShotResult(value == msgHit);
        break;
    case msgYouLose:
        r.code = Received::YouLose;
        ResetGame();
        break;
    default:
        r.code = Received::Garbage;
        break;
    }
    return r;
}

// A hit exactly when the square is not water, so a square already hit is
// hit again. Answering gives us the turn.
IncomingShot Match::ReceiveShot(short square)
{
    m_home.mark(square);
    const bool hit = m_home.at(square) != Square::Water;
    if (hit)
        m_home.set(square, Square::Hit);
    m_state.bCanShoot = true;
    m_state.bMyTurn = true;
    return {square, hit};
}

// A square counts once however often it is hit; a miss makes it water, even
// one that an earlier answer called a hit.
ShotResult Match::ApplyShotResult(bool hit)
{
    const short square = m_state.iShotTile;
    m_enemy.mark(square);
    ShotResult result{square, hit, false};
    if (hit && m_enemy.at(square) != Square::Hit) {
        m_enemy.set(square, Square::Hit);
        ++m_state.iHitCount;
        result.counted = true;
    } else if (!hit) {
        m_enemy.set(square, Square::Water);
    }
    m_state.bCanShoot = true;
    return result;
}
