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
    void findsEveryFleetFiringEachSquareOnce_data();
    void findsEveryFleetFiringEachSquareOnce();
    void densityFiresOnlyWhereSomeAgreeingFleetHasAShip();
};

void StrategiesTest::findsEveryFleetFiringEachSquareOnce_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("games");
    QTest::newRow("random") << "random" << 40;
    QTest::newRow("hunt") << "hunt" << 40;
    QTest::newRow("density") << "density" << 10;
}

void StrategiesTest::findsEveryFleetFiringEachSquareOnce()
{
    QFETCH(QString, name);
    QFETCH(int, games);
    const Strategy fire = strategyNamed(name.toStdString());
    QVERIFY(fire);
    Rng rng(20);
    for (int game = 0; game < games; ++game) {
        const Fleet fleet = randomFleet(rng);
        QCOMPARE(fleet.squares.size(), FleetSquares);
        ShotBoard board;
        int hits = 0;
        int shots = 0;
        while (hits < FleetSquares) {
            QVERIFY2(shots < Squares, "the fleet was not found within 100 shots");
            const int square = fire(board, rng);
            QVERIFY(square >= 0 && square < Squares);
            QVERIFY2(board.open(square), qPrintable(QStringLiteral("square %1 fired twice").arg(square)));
            const bool hit = fleet.squares.has(square);
            board.squares[square] = hit ? Shot::Hit : Shot::Miss;
            hits += hit;
            ++shots;
        }
    }
}

void StrategiesTest::densityFiresOnlyWhereSomeAgreeingFleetHasAShip()
{
    // Halfway through real games, every shot must have a fleet behind it.
    Rng rng(21);
    for (int game = 0; game < 4; ++game) {
        const Fleet fleet = randomFleet(rng);
        ShotBoard board;
        for (int hits = 0; hits < FleetSquares;) {
            const int square = fireDensity(board, rng);
            QVERIFY2(someFleetCovers(board, square),
                     qPrintable(QStringLiteral("no agreeing fleet covers %1").arg(square)));
            const bool hit = fleet.squares.has(square);
            board.squares[square] = hit ? Shot::Hit : Shot::Miss;
            hits += hit;
        }
    }

    // Misses everywhere but the lines of one fleet and three lone squares
    // that no ship fits on: the lone squares are never chosen.
    ShotBoard board;
    board.squares.fill(Shot::Miss);
    for (int square : {0, 1, 2, 3, 4, 20, 21, 22, 23, 40, 41, 42, 60, 61, 62, 80, 81, 55, 77, 99})
        board.squares[square] = Shot::Unknown;
    for (int square : {0, 20, 40})
        board.squares[square] = Shot::Hit;
    for (int round = 0; round < 50; ++round) {
        const int square = fireDensity(board, rng);
        QVERIFY2(square != 55 && square != 77 && square != 99, qPrintable(QString::number(square)));
    }
}

QTEST_GUILESS_MAIN(StrategiesTest)
#include "tst_strategies.moc"
