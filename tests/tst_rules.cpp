// SPDX-License-Identifier: GPL-3.0-or-later
// The rules of a match on the core alone: one side's state, one input, one
// expected result per row.

#include "Match.h"

#include <QtTest>

using namespace MessageCodes;

namespace {

// Carrier, Destroyer, Cruiser, Submarine and PT boat on rows 1, 3, 5, 7, 9.
const QList<QList<short>> Ships = {{0, 1, 2, 3, 4}, {20, 21, 22, 23}, {40, 41, 42}, {60, 61, 62}, {80, 81}};

// A side in a named phase, its draws fixed: "new", "placing" (joined, the
// fleet placed), "ready" (declared, waiting), "opponent ready" (still
// placing), "host start" (the host ready, the opponent's msgReady to come),
// "guest start", "their turn" (the host, drawn first, has fired), "fired"
// (at 37), "sixteen hits" (and a shot at 16 fired).
Match inPhase(const QString& phase, float draw = 0.75f)
{
    Match m([draw] { return draw; });
    if (phase == u"new")
        return m;
    if (phase.startsWith(u"host") || phase == u"their turn" || phase == u"fired" || phase == u"sixteen hits")
        m.hosting();
    m.connected();
    m.openPlacement();
    for (int ship = 0; ship < Ships.size(); ++ship) {
        for (short square : Ships[ship])
            m.placeSquare(square, ship);
    }
    if (phase == u"placing")
        return m;
    if (phase == u"opponent ready") {
        m.received(msgReady);
        return m;
    }
    m.declareReady();
    if (phase == u"ready" || phase.endsWith(u"start"))
        return m;
    m.received(msgReady);
    if (phase == u"their turn")
        m.FireShot();
    // Sixteen hits answered, each followed by the opponent's shot at water.
    for (short square = 0; phase == u"sixteen hits" && square < Board::FleetSquares - 1; ++square) {
        m.aim(square);
        m.FireShot();
        m.received(msgHit);
        m.received(99);
    }
    if (phase == u"fired" && m.aim(37))
        m.FireShot();
    if (phase == u"sixteen hits" && m.aim(16))
        m.FireShot();
    return m;
}

// The flags that are set, then the counters.
QString flags(const Match& m)
{
    const MatchState& s = m.state();
    QStringList set;
    const std::pair<bool, const char*> named[] = {
        {s.bMyTurn, "MyTurn"}, {s.bCanShoot, "CanShoot"}, {s.bReady, "Ready"}, {s.bOppReady, "OppReady"},
        {s.bConnected, "Connected"}, {s.bPlacing, "Placing"}, {s.bGameOn, "GameOn"}, {s.bHost, "Host"},
        {s.bStartPending, "StartPending"}};
    for (const auto& [on, name] : named) {
        if (on)
            set << QLatin1String(name);
    }
    return set.join(u' ') + QStringLiteral(" shot %1 hits %2").arg(s.iShotTile).arg(s.iHitCount);
}

QString square(const Sea& sea, int index)
{
    static const char* names[] = {"unknown", "water", "ship", "hit"};
    return QLatin1String(names[int(sea.at(index))]) + (sea.marked(index) ? QStringLiteral(" X") : QString());
}

// What a received value did, as the window goes on to show it.
QString said(const Received& r, const Match& m)
{
    QString start;
    if (r.start)
        start = !r.start->host ? QStringLiteral(", start") : QStringLiteral(", start sending %1").arg(r.start->turnCode());
    switch (r.code) {
    case Received::Shot:
        return QStringLiteral("answer %1, home %2").arg(r.shot.answer()).arg(square(m.home(), r.shot.square));
    case Received::Ready: {
        static const char* handshakes[] = {"already on", "both ready", "opponent first", "waiting"};
        return QStringLiteral("ready: ") + QLatin1String(handshakes[int(r.handshake)]) + start;
    }
    case Received::YourTurn:
    case Received::EnemyTurn:
        return QStringLiteral("turn") + start;
    case Received::Hit:
    case Received::Missed:
        return QStringLiteral("enemy %1%2%3")
            .arg(square(m.enemy(), r.result.square), r.result.counted ? QStringLiteral(", counted") : QString(),
                 m.victory() ? QStringLiteral(", victory") : QString());
    case Received::YouLose:
        return QStringLiteral("defeat");
    case Received::Garbage:
        return QStringLiteral("garbage");
    }
    return {};
}

} // namespace

class RulesTest : public QObject {
    Q_OBJECT
private slots:
    // `placed` squares go to `ship` first; then `square` is clicked with
    // `ship` selected (-1: none). That a refusal changes nothing, and that no
    // ship breaks its line or wraps a row, fuzz_match_rules checks on every
    // click.
    void placement_data()
    {
        QTest::addColumn<int>("ship");
        QTest::addColumn<QList<short>>("placed");
        QTest::addColumn<short>("square");
        QTest::addColumn<Placement>("result");
        QTest::addColumn<QList<short>>("line");
        QTest::newRow("any first square") << 0 << QList<short>{} << short(99) << Placement::Placed << QList<short>{99};
        QTest::newRow("occupied, same ship") << 1 << QList<short>{33, 43} << short(43) << Placement::Occupied << QList<short>{33, 43};
        QTest::newRow("occupied before the ship") << -1 << QList<short>{33} << short(33) << Placement::Occupied << QList<short>{33};
        QTest::newRow("no ship selected") << -1 << QList<short>{} << short(0) << Placement::NoShipSelected << QList<short>{};
        QTest::newRow("PT boat full") << 4 << QList<short>{0, 1} << short(2) << Placement::ShipComplete << QList<short>{0, 1};
        QTest::newRow("vertical second") << 1 << QList<short>{33} << short(43) << Placement::Placed << QList<short>{33, 43};
        QTest::newRow("vertical above") << 1 << QList<short>{33, 43} << short(23) << Placement::Placed << QList<short>{23, 33, 43};
        QTest::newRow("horizontal before") << 0 << QList<short>{33, 34} << short(32) << Placement::Placed << QList<short>{32, 33, 34};
        QTest::newRow("horizontal after") << 0 << QList<short>{32, 33, 34} << short(35) << Placement::Placed << QList<short>{32, 33, 34, 35};
        QTest::newRow("J1 then A2") << 0 << QList<short>{9} << short(10) << Placement::NotAdjacent << QList<short>{9};
        QTest::newRow("I2 J2 then A3") << 0 << QList<short>{18, 19} << short(20) << Placement::NotAdjacent << QList<short>{18, 19};
        QTest::newRow("diagonal +11") << 0 << QList<short>{44} << short(55) << Placement::NotAdjacent << QList<short>{44};
        QTest::newRow("gap") << 0 << QList<short>{30, 31} << short(33) << Placement::NotAdjacent << QList<short>{30, 31};
        QTest::newRow("turning a line") << 0 << QList<short>{30, 31} << short(41) << Placement::NotAdjacent << QList<short>{30, 31};
    }

    void placement()
    {
        QFETCH(int, ship);
        QFETCH(QList<short>, placed);
        QFETCH(short, square);
        QFETCH(Placement, result);
        QFETCH(QList<short>, line);
        Match m = inPhase("new");
        m.connected();
        m.openPlacement();
        const int placing = ship < 0 ? 1 : ship;
        for (short s : placed)
            QCOMPARE(m.placeSquare(s, placing), Placement::Placed);
        QCOMPARE(m.placeSquare(square, ship < 0 ? std::nullopt : std::optional<int>(ship)), result);
        QCOMPARE(m.fleet().squares(placing), line);
    }

    // Ships in fleet order, as many squares of each as `counts` says.
    void readyChecksTheFleetInOrder_data()
    {
        QTest::addColumn<QList<int>>("counts");
        QTest::addColumn<int>("incomplete");
        QTest::newRow("nothing placed") << QList<int>{} << 0;
        QTest::newRow("Carrier and Submarine short") << QList<int>{2, 4, 3, 1, 2} << 0;
        QTest::newRow("no Submarine") << QList<int>{5, 4, 3} << 3;
        QTest::newRow("PT boat short") << QList<int>{5, 4, 3, 3, 1} << 4;
        QTest::newRow("whole fleet") << QList<int>{5, 4, 3, 3, 2} << -1;
    }
    void readyChecksTheFleetInOrder()
    {
        QFETCH(QList<int>, counts);
        QFETCH(int, incomplete);
        Match m = inPhase("new");
        m.connected();
        m.openPlacement();
        for (int ship = 0; ship < counts.size(); ++ship) {
            for (short square : Ships[ship].mid(0, counts[ship]))
                m.placeSquare(square, ship);
        }
        const Readiness ready = m.declareReady();
        QCOMPARE(ready.declared, incomplete < 0);
        QCOMPARE(ready.incompleteShip.value_or(-1), incomplete);
        QCOMPARE(flags(m), incomplete < 0 ? "Ready Connected shot 0 hits 0" : "Connected Placing shot 0 hits 0");
        if (incomplete < 0)
            QCOMPARE(m.placeSquare(99, 4), Placement::Closed);
    }

    // The state of a phase, then each value received in turn: what the last
    // did, and the flags after it.
    void receivedValueDoesWhatItsCodeSays_data()
    {
        QTest::addColumn<QString>("phase");
        QTest::addColumn<QList<qint16>>("values");
        QTest::addColumn<QString>("result");
        QTest::addColumn<QString>("after");
        const QString placing = "Connected Placing shot 0 hits 0";
        QTest::newRow("shot on a ship") << "placing" << QList<qint16>{2} << "answer -5, home hit X" << "MyTurn CanShoot " + placing;
        QTest::newRow("shot on water") << "placing" << QList<qint16>{55} << "answer -6, home water X" << "MyTurn CanShoot " + placing;
        for (qint16 garbage : {-2, -8, -32768, 100, 32767})
            QTest::addRow("garbage %d", garbage) << "placing" << QList<qint16>{garbage} << "garbage" << placing;
        QTest::newRow("ready, still placing") << "placing" << QList<qint16>{-1} << "ready: opponent first" << "OppReady " + placing;
        QTest::newRow("guest, both ready") << "ready" << QList<qint16>{-1} << "ready: both ready, start"
                                           << "CanShoot Ready OppReady Connected GameOn shot 0 hits 0";
        QTest::newRow("host draws first") << "host start" << QList<qint16>{-1} << "ready: both ready, start sending -4"
                                          << "MyTurn CanShoot Ready OppReady Connected GameOn Host shot 0 hits 0";
        QTest::newRow("ready in a match") << "their turn" << QList<qint16>{-1} << "ready: already on"
                                          << "Ready OppReady Connected GameOn Host shot 0 hits 0";
        QTest::newRow("your turn") << "guest start" << QList<qint16>{-1, -3} << "turn, start"
                                   << "MyTurn CanShoot Ready OppReady Connected GameOn shot 0 hits 0";
        QTest::newRow("enemy's turn") << "guest start" << QList<qint16>{-1, -4} << "turn, start"
                                      << "Ready OppReady Connected GameOn shot 0 hits 0";
        QTest::newRow("turn code to the host") << "fired" << QList<qint16>{-4} << "turn, start sending -4"
                                               << "MyTurn Ready OppReady Connected GameOn Host shot 37 hits 0";
        const QString fired = "CanShoot Ready OppReady Connected GameOn Host shot 37 hits %1";
        QTest::newRow("hit") << "fired" << QList<qint16>{-5} << "enemy hit X, counted" << fired.arg(1);
        QTest::newRow("miss") << "fired" << QList<qint16>{-6} << "enemy water X" << fired.arg(0);
        QTest::newRow("answer to no shot") << "placing" << QList<qint16>{-5} << "enemy hit X, counted"
                                           << "CanShoot Connected Placing shot 0 hits 1";
        QTest::newRow("17th hit") << "sixteen hits" << QList<qint16>{-5} << "enemy hit X, counted, victory"
                                  << "CanShoot Ready OppReady Connected GameOn Host shot 16 hits 17";
        QTest::newRow("17th shot missed") << "sixteen hits" << QList<qint16>{-6} << "enemy water X"
                                          << "CanShoot Ready OppReady Connected GameOn Host shot 16 hits 16";
        QTest::newRow("defeat") << "fired" << QList<qint16>{-5, -7} << "defeat" << " shot 37 hits 0";
    }

    void receivedValueDoesWhatItsCodeSays()
    {
        QFETCH(QString, phase);
        QFETCH(QList<qint16>, values);
        QFETCH(QString, result);
        QFETCH(QString, after);
        Match m = inPhase(phase);
        Received last;
        for (qint16 value : values)
            last = m.received(value);
        QCOMPARE(said(last, m), result);
        QCOMPARE(flags(m), after);
    }
};

QTEST_GUILESS_MAIN(RulesTest)
#include "tst_rules.moc"
