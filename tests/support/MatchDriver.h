// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "GameWindow.h"
#include "Wire.h"

#include <QTcpSocket>

// Steps of a match as the players take them, for tests that join windows
// over loopback. They click as a player does and wait for what the player
// then sees: a status line, the turn indicator, a marked square.
namespace MatchDriver {

inline constexpr int Wait = 5000;

// Carrier, Destroyer, Cruiser, Submarine and PT boat on rows 1, 3, 5, 7, 9.
inline const QList<QList<short>> FleetSquares = {
    {0, 1, 2, 3, 4}, {20, 21, 22, 23}, {40, 41, 42}, {60, 61, 62}, {80, 81}};

inline QList<short> allShipSquares()
{
    QList<short> all;
    for (const QList<short>& ship : FleetSquares)
        all += ship;
    return all;
}

inline bool logShows(const GameWindow& side, const QString& line)
{
    return side->editStatus->lines().contains(line);
}

// The turn indicator says "Your Turn".
inline bool myTurn(const GameWindow& side)
{
    return side->rdoHome->isChecked();
}

// Places the ships in fleet order, as many as `fleet` names.
inline void placeFleet(frmMain& w, const QList<QList<short>>& fleet = FleetSquares)
{
    const QList<QRadioButton*> options = {w.rdoShipCarrier, w.rdoShipDestroyer, w.rdoShipCruiser,
                                          w.rdoShipSubmarine, w.rdoShipPTBoat};
    for (int ship = 0; ship < fleet.size(); ++ship) {
        options[ship]->click();
        for (short square : fleet[ship])
            w.butHomeTile[square]->click();
    }
}

// The host presses Receive, the guest connects to it on loopback.
inline bool connectPair(GameWindow& host, GameWindow& guest)
{
    host->butReceive->click();
    guest->editIP->setText(QStringLiteral("127.0.0.1"));
    guest->butConnect->click();
    return QTest::qWaitFor([&] {
        return logShows(host, QStringLiteral("Please position your ships"))
               && logShows(guest, QStringLiteral("Please position your ships"));
    }, Wait);
}

// True once the match has started on both sides, the turn given.
inline bool started(const GameWindow& host, const GameWindow& guest)
{
    return QTest::qWaitFor([&] {
        return logShows(host, QStringLiteral("Game Started")) && logShows(guest, QStringLiteral("Game Started"))
               && myTurn(host) != myTurn(guest);
    }, Wait);
}

// Both place their fleets and declare ready, host first; true once the
// match has started on both sides.
inline bool startMatch(GameWindow& host, GameWindow& guest)
{
    placeFleet(*host);
    placeFleet(*guest);
    host->butReady->click();
    if (!QTest::qWaitFor([&] { return logShows(guest, QStringLiteral("Opponent Ready...")); }, Wait))
        return false;
    guest->butReady->click();
    return started(host, guest);
}

// True once the shooter's shot at `square` is marked on its Enemy Sea and
// the target has the turn.
inline bool answered(const GameWindow& shooter, const GameWindow& target, short square)
{
    return QTest::qWaitFor([&] { return !shooter->butEnemyTile[square]->text().isEmpty() && myTurn(target); }, Wait);
}

// One shot and its answer: true once the answer has come back.
inline bool fire(GameWindow& shooter, GameWindow& target, short square)
{
    shooter->butEnemyTile[square]->click();
    return answered(shooter, target, square);
}

// A window hosting, joined by a raw peer that writes chosen bytes; false
// when they could not be joined.
inline bool joinRawPeer(GameWindow& host, QTcpSocket& peer)
{
    host->butReceive->click();
    peer.connectToHost(QHostAddress::LocalHost, quint16(host->Winsock1->LocalPort));
    return peer.waitForConnected(Wait)
           && QTest::qWaitFor([&] { return logShows(host, QStringLiteral("Please position your ships")); }, Wait);
}

// Reads what a window sends to a raw peer until `count` bytes have come,
// then waits a little more to be sure that nothing else follows.
inline QByteArray receive(QTcpSocket& peer, int count)
{
    QByteArray bytes;
    if (QTest::qWaitFor([&] { return (bytes += peer.readAll()).size() >= count; }, Wait))
        QTest::qWait(100);
    return bytes + peer.readAll();
}

// Values as they travel, one after another.
inline QByteArray values(std::initializer_list<qint16> list)
{
    QByteArray bytes;
    for (qint16 value : list)
        bytes += Wire::encode(value);
    return bytes;
}

} // namespace MatchDriver
