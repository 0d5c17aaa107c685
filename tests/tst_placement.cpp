// Placing the fleet on the Home Sea, declaring it ready and resetting it,
// driven through the window's handlers with placement open.

#include "MatchDriver.h"

using MatchDriver::placeFleet;

namespace {
const QString Occupied = "Cannot place two ships on top of the other!";
const QString NotAdjacent = "All parts the ship must be adjacent!";
const QString Full = "This ship is completely positionned, please select another one.";
} // namespace

class PlacementTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ScriptedToolkit> toolkit;
    std::unique_ptr<GameWindow> game;

    frmMain& w() { return **game; }
    void click(std::initializer_list<short> squares)
    {
        for (short square : squares)
            w().butHomeTile_Click(square);
    }
    // Every Home Sea colour, then the five collections, then the five directions.
    QList<QList<int>> fleetState()
    {
        QList<QList<int>> state{{}};
        for (TileButton* tile : w().butHomeTile)
            state[0] << int(tile->color());
        for (const QList<short>& ship : {w().colCarrier, w().colDestroyer, w().colCruiser, w().colSubmarine, w().colPTBoat})
            state << QList<int>(ship.begin(), ship.end());
        state << QList<int>{w().iDirCarrier, w().iDirDestroyer, w().iDirCruiser, w().iDirSubmarine, w().iDirPTBoat};
        return state;
    }

private slots:
    void init()
    {
        toolkit = std::make_unique<ScriptedToolkit>();
        game = std::make_unique<GameWindow>();
        toolkit->beeps = 0;
        w().bPlacing = true;
    }
    void cleanup() { game.reset(); toolkit.reset(); }

    // `ship` is the option selected for placing `placed` ("none" turns every
    // option off afterwards, "closed" closes placement); then `refused` is clicked.
    void refusedClickChangesNothing_data()
    {
        QTest::addColumn<QString>("ship");
        QTest::addColumn<QList<short>>("placed");
        QTest::addColumn<short>("refused");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("beep");
        QTest::newRow("placement closed") << "closed" << QList<short>{} << short(37) << QString() << true;
        // Occupied is tested before the line, even for the ship being placed.
        QTest::newRow("on the same ship") << "Destroyer" << QList<short>{33, 43} << short(43) << Occupied << true;
        QTest::newRow("on a ship, none selected") << "none" << QList<short>{33} << short(33) << Occupied << true;
        QTest::newRow("no ship selected") << "none" << QList<short>{} << short(0) << "Please select a ship to position" << false;
        QTest::newRow("Carrier full") << "Carrier" << QList<short>{90, 91, 92, 93, 94} << short(95) << Full << false;
        QTest::newRow("PT boat full") << "PTBoat" << QList<short>{0, 1} << short(2) << Full << false;
        QTest::newRow("J1 then A2") << "Carrier" << QList<short>{9} << short(10) << NotAdjacent << false;
        QTest::newRow("A2 then J1") << "Carrier" << QList<short>{10} << short(9) << NotAdjacent << false;
        QTest::newRow("I2 J2 then A3") << "Carrier" << QList<short>{18, 19} << short(20) << NotAdjacent << false;
        QTest::newRow("A3 B3 then J2") << "Carrier" << QList<short>{20, 21} << short(19) << NotAdjacent << false;
        QTest::newRow("diagonal +11") << "Carrier" << QList<short>{44} << short(55) << NotAdjacent << false;
        QTest::newRow("diagonal -9") << "Carrier" << QList<short>{44} << short(35) << NotAdjacent << false;
        QTest::newRow("gap") << "Carrier" << QList<short>{30, 31} << short(33) << NotAdjacent << false;
        QTest::newRow("vertical gap") << "Carrier" << QList<short>{30, 40} << short(60) << NotAdjacent << false;
        QTest::newRow("turning a vertical line") << "Destroyer" << QList<short>{33, 43} << short(34) << NotAdjacent << false;
        QTest::newRow("turning a line") << "Carrier" << QList<short>{30, 31} << short(41) << NotAdjacent << false;
    }

    void refusedClickChangesNothing()
    {
        QFETCH(QString, ship);
        QFETCH(QList<short>, placed);
        QFETCH(short, refused);
        QFETCH(QString, notice);
        QFETCH(bool, beep);
        (ship == "Destroyer" ? w().rdoShipDestroyer : ship == "PTBoat" ? w().rdoShipPTBoat : w().rdoShipCarrier)->setChecked(true);
        for (short square : placed)
            w().butHomeTile_Click(square);
        if (ship == "none") {
            w().rdoShipCarrier->setAutoExclusive(false);
            w().rdoShipCarrier->setChecked(false);
        }
        w().bPlacing = ship != "closed";

        const QList<QList<int>> before = fleetState();
        game->journal.clear();
        w().butHomeTile_Click(refused);
        QCOMPARE(game->journal, notice.isEmpty() ? QStringList() : QStringList{"MsgBox " + notice});
        QCOMPARE(toolkit->beeps, beep ? 1 : 0);
        QCOMPARE(fleetState(), before);
    }

    void readyChecksTheWholeFleet_data()
    {
        const QList<QList<short>> fleet = MatchDriver::FleetSquares;
        QTest::addColumn<QList<QList<short>>>("placed");
        QTest::addColumn<QString>("notice");
        QTest::newRow("nothing placed") << QList<QList<short>>{} << "Carrier not fully positionned";
        QTest::newRow("Carrier and Submarine short")
            << QList<QList<short>>{{0, 1}, fleet[1], fleet[2], {60}, fleet[4]} << "Carrier not fully positionned";
        QTest::newRow("no Submarine") << fleet.mid(0, 3) << "Submarine not fully positionned";
        QTest::newRow("PT boat short") << fleet.mid(0, 4) + QList<QList<short>>{{80}} << "PTBoat not fully positionned";
        QTest::newRow("whole fleet") << fleet << QString();
    }

    void readyChecksTheWholeFleet()
    {
        QFETCH(QList<QList<short>>, placed);
        QFETCH(QString, notice);
        const bool ready = notice.isEmpty();
        placeFleet(w(), placed);
        game->journal.clear();
        w().butReady_Click();
        // Not connected, a ready side waits for the opponent.
        QCOMPARE(game->journal, QStringList{ready ? QString("sound waitingopp") : "MsgBox " + notice});
        QCOMPARE(toolkit->beeps, ready ? 0 : 1);
        QCOMPARE(w().bReady, ready);
        QCOMPARE(w().bPlacing, !ready);
        QCOMPARE(w().butReady->isEnabled(), !ready);
        QCOMPARE(w().butResetShips->isEnabled(), !ready);
        // Once ready, the button only beeps.
        w().butReady_Click();
        QCOMPARE(toolkit->beeps, ready ? 1 : 2);
    }

    // A line grows at either end and stays in ascending order; Reset Ships
    // asks first and then clears the whole fleet.
    void lineGrowsAtEitherEndThenResetClearsIt()
    {
        click({33, 34});
        QCOMPARE(w().iDirCarrier, short(2));
        click({32});
        QCOMPARE(w().colCarrier, QList<short>({32, 33, 34}));
        click({35, 31});
        QCOMPARE(w().colCarrier, QList<short>({31, 32, 33, 34, 35}));
        QCOMPARE(w().butHomeTile[31]->color(), TileButton::Yellow);
        w().rdoShipCruiser->setChecked(true);
        click({56, 46, 66});
        QCOMPARE(w().iDirCruiser, short(1));
        QCOMPARE(w().colCruiser, QList<short>({46, 56, 66}));
        w().butHomeTile[99]->setText("X");

        toolkit->answers.enqueue(Toolkit::vbNo);
        w().butResetShips_Click();
        QCOMPARE(toolkit->prompts.last(), QString("Are you sure you want to reset the positionning of your ships?"));
        QCOMPARE(toolkit->titles.last(), QString("Reset Ships?"));
        QCOMPARE(toolkit->buttons.last(), int(Toolkit::vbYesNo));
        QCOMPARE(w().colCarrier.size(), 5);
        QVERIFY(!game->journal.contains("sound positionships"));

        toolkit->answers.enqueue(Toolkit::vbYes);
        w().butResetShips_Click();
        QCOMPARE(game->journal.last(), QString("sound positionships"));
        QVERIFY(w().colCarrier.isEmpty() && w().colCruiser.isEmpty());
        QVERIFY(w().rdoShipCarrier->isChecked() && w().bPlacing);
        for (TileButton* tile : w().butHomeTile)
            QVERIFY(tile->color() == TileButton::Blue && tile->text().isEmpty());
        // Placement starts again from an empty fleet.
        click({7});
        QCOMPARE(w().colCarrier, QList<short>{7});
    }
};

QTEST_MAIN(PlacementTest)
#include "tst_placement.moc"
