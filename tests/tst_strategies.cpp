// SPDX-License-Identifier: GPL-3.0-or-later
// The robot's ways of choosing a shot, played offline against random fleets.

#include "Fleet.h"
#include "strategies/Strategy.h"

#include <QtTest>

using namespace Robot;

namespace {

// An independent check that some fleet agrees with the board and puts a ship
// on `square`: plain backtracking over the ships' lines.
bool someFleetCovers(const ShotBoard& board, int square, int ship = 0, SquareSet taken = {})
{
    if (ship == ShipCount) {
        const SquareSet hits = board.with(Shot::Hit);
        return taken.covers(hits) && taken.has(square);
    }
    const SquareSet misses = board.with(Shot::Miss);
    // The hits and the square that the ships still to come must cover.
    int roomLeft = 0;
    for (int later = ship; later < ShipCount; ++later)
        roomLeft += ShipSizes[later];
    const SquareSet wanted = (board.with(Shot::Hit) | SquareSet::of(square)).without(taken);
    if (wanted.size() > roomLeft)
        return false;
    for (SquareSet line : placements(ShipSizes[ship])) {
        if (!line.meets(misses) && !line.meets(taken)
            && someFleetCovers(board, square, ship + 1, taken | line))
            return true;
    }
    return false;
}

} // namespace

class StrategiesTest : public QObject {
    Q_OBJECT

private slots:
    // An empty `lines` means random fleets on an empty board; otherwise they are
    // the only fleet, and everything else is missed but three lone squares that
    // no ship fits on.
    void findsEveryFleetFiringEachSquareOnce_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("games");
        QTest::addColumn<QList<int>>("lines");
        QTest::newRow("random") << "random" << 40 << QList<int>{};
        QTest::newRow("hunt") << "hunt" << 40 << QList<int>{};
        QTest::newRow("density") << "density" << 10 << QList<int>{};
        QTest::newRow("density among lone squares")
            << "density" << 4 << QList<int>{0, 1, 2, 3, 4, 20, 21, 22, 23, 40, 41, 42, 60, 61, 62, 80, 81};
    }

    // Density must besides only fire where some fleet that agrees with the board
    // has a ship; that check is slow, so it plays the first four games only.
    void findsEveryFleetFiringEachSquareOnce()
    {
        QFETCH(QString, name);
        QFETCH(int, games);
        QFETCH(QList<int>, lines);
        const Strategy fire = strategyNamed(name.toStdString());
        QVERIFY(fire);
        Rng rng(20);
        for (int game = 0; game < games; ++game) {
            Fleet fleet = randomFleet(rng);
            QCOMPARE(fleet.squares.size(), FleetSquares);
            ShotBoard board;
            if (!lines.isEmpty()) {
                fleet.squares = {};
                board.squares.fill(Shot::Miss);
                for (int square : lines + QList<int>{55, 77, 99})
                    board.squares[square] = Shot::Unknown;
                for (int square : lines)
                    fleet.squares.add(square);
                for (int square : {0, 20, 40})
                    board.squares[square] = Shot::Hit;
            }
            for (int hits = board.with(Shot::Hit).size(), shots = 0; hits < FleetSquares; ++shots) {
                QVERIFY2(shots < Squares, "the fleet was not found within 100 shots");
                const int square = fire(board, rng);
                QVERIFY(square >= 0 && square < Squares);
                QVERIFY2(board.open(square), qPrintable(QStringLiteral("square %1 fired twice").arg(square)));
                QVERIFY2(name != "density" || game >= 4 || someFleetCovers(board, square), "no agreeing fleet covers the square");
                const bool hit = fleet.squares.has(square);
                board.squares[square] = hit ? Shot::Hit : Shot::Miss;
                hits += hit;
            }
        }
    }
};

QTEST_GUILESS_MAIN(StrategiesTest)
#include "tst_strategies.moc"
