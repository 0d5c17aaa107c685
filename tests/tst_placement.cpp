// Placing the fleet on the Home Sea, declaring it ready and resetting it,
// driven through the window's handlers with placement open.

#include "GameWindow.h"
#include "ScriptedToolkit.h"
#include "TileButton.h"
#include "Winsock.h"

#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

class PlacementTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ScriptedToolkit> toolkit;
    std::unique_ptr<GameWindow> game;

    frmMain& w() { return **game; }
    QStringList notices() const
    {
        QStringList list;
        for (const QString& entry : game->journal)
            if (entry.startsWith("MsgBox "))
                list << entry.mid(7);
        return list;
    }
    QList<quint32> homeColours()
    {
        QList<quint32> colours;
        for (TileButton* tile : w().butHomeTile)
            colours << tile->color();
        return colours;
    }
    void click(std::initializer_list<short> squares)
    {
        for (short square : squares)
            w().butHomeTile_Click(square);
    }
    // A refused click changes no tile, no collection and no direction.
    void expectRefused(short square, const QString& notice, bool beep);

private slots:
    void init()
    {
        toolkit = std::make_unique<ScriptedToolkit>();
        game = std::make_unique<GameWindow>();
        toolkit->beeps = 0;
        w().bPlacing = true;
    }
    void cleanup()
    {
        game.reset();
        toolkit.reset();
    }

    void closedPlacementOnlyBeeps();
    void secondSquareSetsTheDirection();
    void collectionStaysAscendingFromEitherEnd();
    void refusalsInTheirOrder();
    void wrapsDiagonalsAndGapsAreRefused_data();
    void wrapsDiagonalsAndGapsAreRefused();
    void sizeIsTheOnlyLimit();
    void readyReportsTheFirstIncompleteShip();
    void readyWithWholeFleetClosesPlacement();
    void resetShipsAsksAndClears();
};

void PlacementTest::expectRefused(short square, const QString& notice, bool beep)
{
    const QList<quint32> before = homeColours();
    const QList<QList<short>> collections = {w().colCarrier, w().colDestroyer, w().colCruiser,
                                             w().colSubmarine, w().colPTBoat};
    const QList<short> directions = {w().iDirCarrier, w().iDirDestroyer, w().iDirCruiser,
                                     w().iDirSubmarine, w().iDirPTBoat};
    const int beeps = toolkit->beeps;
    game->journal.clear();
    w().butHomeTile_Click(square);
    QCOMPARE(notices(), notice.isEmpty() ? QStringList() : QStringList{notice});
    QCOMPARE(toolkit->beeps, beeps + (beep ? 1 : 0));
    QCOMPARE(homeColours(), before);
    QCOMPARE((QList<QList<short>>{w().colCarrier, w().colDestroyer, w().colCruiser,
                                  w().colSubmarine, w().colPTBoat}),
             collections);
    QCOMPARE((QList<short>{w().iDirCarrier, w().iDirDestroyer, w().iDirCruiser,
                           w().iDirSubmarine, w().iDirPTBoat}),
             directions);
}

void PlacementTest::closedPlacementOnlyBeeps()
{
    w().bPlacing = false;
    expectRefused(37, QString(), true);
    QCOMPARE(w().butHomeTile[37]->color(), TileButton::Blue);
}

void PlacementTest::secondSquareSetsTheDirection()
{
    w().rdoShipDestroyer->setChecked(true);
    click({33, 43});
    QCOMPARE(w().iDirDestroyer, short(1));
    click({23, 53});
    QCOMPARE(w().colDestroyer, QList<short>({23, 33, 43, 53}));
    QCOMPARE(w().butHomeTile[53]->color(), TileButton::Yellow);

    w().rdoShipCarrier->setChecked(true);
    click({5, 6});
    QCOMPARE(w().iDirCarrier, short(2));
    // Vertical is tested first: a square below a single square makes it vertical.
    w().rdoShipPTBoat->setChecked(true);
    click({77, 87});
    QCOMPARE(w().iDirPTBoat, short(1));
}

void PlacementTest::collectionStaysAscendingFromEitherEnd()
{
    click({33, 34, 32});
    QCOMPARE(w().colCarrier, QList<short>({32, 33, 34}));
    click({35, 31});
    QCOMPARE(w().colCarrier, QList<short>({31, 32, 33, 34, 35}));
    w().rdoShipCruiser->setChecked(true);
    click({56, 46, 66});
    QCOMPARE(w().colCruiser, QList<short>({46, 56, 66}));
}

void PlacementTest::refusalsInTheirOrder()
{
    w().rdoShipDestroyer->setChecked(true);
    click({33, 43});
    // An occupied square is refused before the line test, even for the ship
    // being placed.
    expectRefused(43, "Cannot place two ships on top of the other!", true);
    expectRefused(34, "All parts the ship must be adjacent!", false);
    click({53, 63});
    expectRefused(73, "This ship is completely positionned, please select another one.", false);
    // With every option off there is no ship to place.
    w().rdoShipDestroyer->setAutoExclusive(false);
    w().rdoShipDestroyer->setChecked(false);
    expectRefused(0, "Please select a ship to position", false);
    // Occupied comes first even with no ship selected.
    expectRefused(33, "Cannot place two ships on top of the other!", true);
}

void PlacementTest::wrapsDiagonalsAndGapsAreRefused_data()
{
    QTest::addColumn<QList<short>>("placed");
    QTest::addColumn<short>("refused");
    QTest::newRow("J1 then A2") << QList<short>{9} << short(10);
    QTest::newRow("A2 then J1") << QList<short>{10} << short(9);
    QTest::newRow("I2 J2 then A3") << QList<short>{18, 19} << short(20);
    QTest::newRow("A3 B3 then J2") << QList<short>{20, 21} << short(19);
    QTest::newRow("diagonal +11") << QList<short>{44} << short(55);
    QTest::newRow("diagonal +9") << QList<short>{44} << short(53);
    QTest::newRow("diagonal -11") << QList<short>{44} << short(33);
    QTest::newRow("diagonal -9") << QList<short>{44} << short(35);
    QTest::newRow("gap") << QList<short>{30, 31} << short(33);
    QTest::newRow("vertical gap") << QList<short>{30, 40} << short(60);
    QTest::newRow("turning a line") << QList<short>{30, 31} << short(41);
}

void PlacementTest::wrapsDiagonalsAndGapsAreRefused()
{
    QFETCH(QList<short>, placed);
    QFETCH(short, refused);
    for (short square : placed)
        w().butHomeTile_Click(square);
    QCOMPARE(w().colCarrier.size(), placed.size());
    expectRefused(refused, "All parts the ship must be adjacent!", false);
}

void PlacementTest::sizeIsTheOnlyLimit()
{
    click({90, 91, 92, 93, 94});
    QCOMPARE(w().colCarrier.size(), 5);
    expectRefused(95, "This ship is completely positionned, please select another one.", false);
    w().rdoShipPTBoat->setChecked(true);
    click({0, 1});
    expectRefused(2, "This ship is completely positionned, please select another one.", false);
    QCOMPARE(w().colPTBoat, QList<short>({0, 1}));
}

void PlacementTest::readyReportsTheFirstIncompleteShip()
{
    w().butReady_Click();
    QCOMPARE(notices(), QStringList{"Carrier not fully positionned"});
    QCOMPARE(toolkit->beeps, 1);

    click({0, 1, 2, 3, 4});
    w().rdoShipDestroyer->setChecked(true);
    click({10, 11, 12, 13});
    w().rdoShipCruiser->setChecked(true);
    click({20, 21, 22});
    game->journal.clear();
    w().butReady_Click();
    QCOMPARE(notices(), QStringList{"Submarine not fully positionned"});

    w().rdoShipSubmarine->setChecked(true);
    click({30, 31, 32});
    w().rdoShipPTBoat->setChecked(true);
    click({40});
    game->journal.clear();
    w().butReady_Click();
    QCOMPARE(notices(), QStringList{"PTBoat not fully positionned"});
    QVERIFY(w().bPlacing && !w().bReady && w().butReady->isEnabled());
}

void PlacementTest::readyWithWholeFleetClosesPlacement()
{
    const QList<QRadioButton*> options = {w().rdoShipCarrier, w().rdoShipDestroyer, w().rdoShipCruiser,
                                          w().rdoShipSubmarine, w().rdoShipPTBoat};
    const QList<QList<short>> fleet = {{0, 1, 2, 3, 4}, {10, 11, 12, 13}, {20, 21, 22}, {30, 31, 32}, {40, 41}};
    for (int ship = 0; ship < 5; ++ship) {
        options[ship]->setChecked(true);
        for (short square : fleet[ship])
            w().butHomeTile_Click(square);
    }
    game->journal.clear();
    w().butReady_Click();
    QVERIFY(w().bReady && !w().bPlacing);
    QVERIFY(!w().butReady->isEnabled() && !w().butResetShips->isEnabled());
    QCOMPARE(notices(), QStringList());
    // Not connected: this side waits for the opponent.
    QCOMPARE(game->journal, QStringList{"sound waitingopp"});
    expectRefused(50, QString(), true);
    const int beeps = toolkit->beeps;
    w().butReady_Click();
    QCOMPARE(toolkit->beeps, beeps + 1);
}

void PlacementTest::resetShipsAsksAndClears()
{
    click({0, 1, 2});
    w().rdoShipPTBoat->setChecked(true);
    click({50, 60});
    w().butHomeTile[99]->setText("X");

    toolkit->answers.enqueue(Toolkit::vbNo);
    w().butResetShips_Click();
    QCOMPARE(toolkit->prompts.last(), QString("Are you sure you want to reset the positionning of your ships?"));
    QCOMPARE(toolkit->titles.last(), QString("Reset Ships?"));
    QCOMPARE(toolkit->buttons.last(), int(Toolkit::vbYesNo));
    QCOMPARE(w().colCarrier.size(), 3);
    QVERIFY(!game->journal.contains("sound positionships"));

    toolkit->answers.enqueue(Toolkit::vbYes);
    w().butResetShips_Click();
    QCOMPARE(game->journal.last(), QString("sound positionships"));
    QVERIFY(w().colCarrier.isEmpty() && w().colPTBoat.isEmpty());
    QVERIFY(w().rdoShipCarrier->isChecked());
    QVERIFY(w().bPlacing);
    for (TileButton* tile : w().butHomeTile) {
        QCOMPARE(tile->color(), TileButton::Blue);
        QCOMPARE(tile->text(), QString());
    }
    // Placement starts again from an empty fleet.
    click({7});
    QCOMPARE(w().colCarrier, QList<short>{7});
}

QTEST_MAIN(PlacementTest)
#include "tst_placement.moc"
