#pragma once

#include "GameWindow.h"

#include <QTcpSocket>

// Steps of a match as the players take them, for tests that join windows
// over loopback.
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

// Places the ships in fleet order, as many as `fleet` names.
inline void placeFleet(frmMain& w, const QList<QList<short>>& fleet = FleetSquares)
{
    const QList<QRadioButton*> options = {w.rdoShipCarrier, w.rdoShipDestroyer, w.rdoShipCruiser,
                                          w.rdoShipSubmarine, w.rdoShipPTBoat};
    for (int ship = 0; ship < fleet.size(); ++ship) {
        options[ship]->setChecked(true);
        for (short square : fleet[ship])
            w.butHomeTile_Click(square);
    }
}

// The host presses Receive, the guest connects to it on loopback.
inline bool connectPair(GameWindow& host, GameWindow& guest)
{
    host->butReceive_Click();
    guest->editIP->setText(QStringLiteral("127.0.0.1"));
    guest->butConnect_Click();
    return QTest::qWaitFor([&] { return host->bConnected && guest->bConnected; }, Wait);
}

// Both place their fleets and declare ready, host first; true once the
// match has started on both sides.
inline bool startMatch(GameWindow& host, GameWindow& guest)
{
    placeFleet(*host);
    placeFleet(*guest);
    host->butReady_Click();
    if (!QTest::qWaitFor([&] { return guest->bOppReady; }, Wait))
        return false;
    guest->butReady_Click();
    return QTest::qWaitFor([&] {
        return host->bGameOn && guest->bGameOn && !host->bStartPending && !guest->bStartPending
               && host->bMyTurn != guest->bMyTurn;
    }, Wait);
}

// One shot and its answer: true once the answer has come back.
inline bool fire(GameWindow& shooter, GameWindow& target, short square)
{
    shooter->butEnemyTile_Click(square);
    return QTest::qWaitFor([&] { return target->bMyTurn && shooter->bCanShoot; }, Wait);
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

// The two bytes of a value on the wire, least significant first.
inline QByteArray le(qint16 value)
{
    return QByteArray(1, char(quint16(value) & 0xFF)) + char(quint16(value) >> 8);
}

} // namespace MatchDriver
