// SPDX-License-Identifier: GPL-3.0-or-later
// The robot's play: what each value from the peer means to it, its fleet and
// shots, and the summary of the matches played. The network side is in
// RobotConnection.cpp.

#include "RobotSession.h"

#include "MessageCodes.h"

#include <utility>

using namespace MessageCodes;

namespace Robot {

namespace {

constexpr int RetryMs = 1000;

} // namespace

RobotSession::RobotSession(const RobotSettings& settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_rng(settings.seed)
{
    m_retryTimer.setSingleShot(true);
    m_retryTimer.setInterval(RetryMs);
    connect(&m_retryTimer, &QTimer::timeout, this, [this] { m_settings.host ? listen() : join(); });
    m_shotTimer.setSingleShot(true);
    connect(&m_shotTimer, &QTimer::timeout, this, &RobotSession::fire);
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(settings.idleSeconds * 1000);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] {
        endConnection(QStringLiteral("idle: nothing received for %1 s").arg(m_settings.idleSeconds));
    });
    connect(&m_server, &QTcpServer::newConnection, this, &RobotSession::onNewConnection);
}

void RobotSession::start()
{
    if (m_settings.host)
        listen();
    else
        join();
}

QString RobotSession::summary() const
{
    return QStringLiteral("summary: %1 matches, %2 won, %3 lost, %4 abandoned, %5 shots, %6 garbage")
        .arg(m_matches)
        .arg(m_wins)
        .arg(m_losses)
        .arg(m_matches - m_wins - m_losses)
        .arg(m_shots)
        .arg(m_garbage);
}

void RobotSession::dispatch(qint16 value)
{
    if (value >= FirstTile && value <= LastTile) {
        receiveShot(value);
        return;
    }
    switch (value) {
    case msgReady:
        // The robot is ready from the moment of connection, so the peer's
        // ready code is always the last one, and the start follows at once,
        // as it does in the game's dispatch.
        emit logged(QStringLiteral("opponent ready"));
        bOppReady = true;
        opponentReady();
        sendComplete();
        return;
    case msgYourTurn:
    case msgEnemyTurn:
        // Only the host draws who shoots first.
        if (bHost) {
            emit logged(QStringLiteral("unexpected %1").arg(value));
            return;
        }
        bMyTurn = bCanShoot = value == msgYourTurn;
        emit logged(bMyTurn ? QStringLiteral("my turn") : QStringLiteral("their turn"));
        startGame();
        scheduleShot();
        return;
    case msgHit:
    case msgMissed:
        applyShotResult(value == msgHit, value);
        return;
    case msgYouLose:
        m_lost = true;
        emit logged(QStringLiteral("lost"));
        // The loser closes the connection; the winner waits for that.
        endConnection(QString());
        return;
    default:
        // Other codes, and values above the last square.
        ++m_garbage;
        emit logged(QStringLiteral("garbage %1").arg(value));
        return;
    }
}

void RobotSession::declareReady()
{
    bReady = true;
    send(msgReady);
    emit logged(QStringLiteral("ready"));
    opponentReady();
}

void RobotSession::opponentReady()
{
    if (bGameOn)
        return;
    if (bReady && bOppReady) {
        bGameOn = true;
        bCanShoot = true;
        bStartPending = true;
    }
}

void RobotSession::sendComplete()
{
    if (bStartPending)
        startGame();
}

void RobotSession::startGame()
{
    bStartPending = false;
    if (!m_started) {
        m_started = true;
        emit logged(QStringLiteral("started"));
    }
    if (!bHost)
        return;
    const float r = std::uniform_real_distribution<float>(0.0f, 1.0f)(m_rng);
    if (r < 0.5f) {
        bMyTurn = false;
        send(msgYourTurn);
        emit logged(QStringLiteral("their turn"));
    } else {
        bMyTurn = true;
        send(msgEnemyTurn);
        emit logged(QStringLiteral("my turn"));
        scheduleShot();
    }
}

// Every shot is answered when it comes, truthfully, and the answer gives
// the turn to this side, as in the game.
void RobotSession::receiveShot(int square)
{
    const bool hit = m_fleet.squares.has(square);
    send(hit ? msgHit : msgMissed);
    emit logged(QStringLiteral("incoming %1 %2").arg(square).arg(hit ? QStringLiteral("hit") : QStringLiteral("miss")));
    bCanShoot = true;
    bMyTurn = true;
    scheduleShot();
}

// An answer that no shot of this side waits for is reported and left
// alone: no square is marked from it.
void RobotSession::applyShotResult(bool hit, qint16 code)
{
    if (m_shotInFlight < 0) {
        emit logged(QStringLiteral("unexpected %1").arg(code));
        return;
    }
    const int square = std::exchange(m_shotInFlight, -1);
    m_board.squares[square] = hit ? Shot::Hit : Shot::Miss;
    emit logged(QStringLiteral("%1 %2").arg(hit ? QStringLiteral("hit") : QStringLiteral("miss")).arg(square));
    bCanShoot = true;
    if (hit && ++iHitCount == FleetSquares) {
        m_won = true;
        send(msgYouLose);
        emit logged(QStringLiteral("won"));
        return;
    }
    scheduleShot();
}

bool RobotSession::canFire() const
{
    return m_socket && bGameOn && bMyTurn && bCanShoot && m_shotInFlight < 0 && !m_won;
}

void RobotSession::scheduleShot()
{
    if (canFire())
        m_shotTimer.start(m_settings.delayMs);
}

void RobotSession::fire()
{
    if (!canFire())
        return;
    const int square = m_settings.strategy(m_board, m_rng);
    if (square < 0) {
        emit logged(QStringLiteral("no square left"));
        return;
    }
    m_shotInFlight = square;
    bMyTurn = false;
    bCanShoot = false;
    ++m_shots;
    emit logged(QStringLiteral("fire %1").arg(square));
    send(qint16(square));
}

} // namespace Robot
