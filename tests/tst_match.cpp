// SPDX-License-Identifier: GPL-3.0-or-later
// Placing and whole matches through the window: two windows joined over
// loopback, or one window and a raw peer that writes chosen bytes.

#include "MatchDriver.h"

#include <QGroupBox>

using namespace MatchDriver;
using namespace MessageCodes;

namespace {

// The yellow squares of the Home Sea; {-1} when a square is neither yellow nor blue.
QList<short> yellowSquares(const GameWindow& game)
{
    QList<short> yellow;
    for (short index = 0; index < 100; ++index) {
        if (game->butHomeTile[index]->color() == TileButton::Yellow)
            yellow << index;
        else if (game->butHomeTile[index]->color() != TileButton::Blue)
            return {-1};
    }
    return yellow;
}

} // namespace

class MatchTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ScriptedToolkit> toolkit;

    // One window hosting, with a raw peer joined and the fleet placed.
    struct HostAndPeer {
        GameWindow host;
        QTcpSocket peer;
    };
    std::unique_ptr<HostAndPeer> joinRawPeer(bool placed = true)
    {
        auto pair = std::make_unique<HostAndPeer>();
        if (!MatchDriver::joinRawPeer(pair->host, pair->peer))
            return nullptr;
        if (placed)
            placeFleet(*pair->host);
        pair->host.journal.clear();
        toolkit->beeps = 0;
        toolkit->prompts.clear();
        return pair;
    }

private slots:
    void init() { toolkit = std::make_unique<ScriptedToolkit>(); }
    void cleanup() { toolkit.reset(); }

    // `placed` goes to `ship` (none: the Carrier, then no option is left
    // selected); then `square` is clicked.
    void eachClickShowsWhatHappened_data()
    {
        QTest::addColumn<QString>("ship");
        QTest::addColumn<QList<short>>("placed");
        QTest::addColumn<short>("square");
        QTest::addColumn<QString>("notice");
        QTest::addColumn<bool>("beep");
        QTest::newRow("placed") << "Destroyer" << QList<short>{33} << short(43) << QString() << false;
        QTest::newRow("occupied") << "Destroyer" << QList<short>{33} << short(33)
                                  << "Cannot place two ships on top of the other!" << true;
        QTest::newRow("no ship") << "none" << QList<short>{} << short(0) << "Please select a ship to position" << false;
        QTest::newRow("complete") << "PTBoat" << QList<short>{0, 1} << short(2)
                                  << "This ship is completely positionned, please select another one." << false;
        QTest::newRow("not adjacent") << "Carrier" << QList<short>{9} << short(10)
                                      << "All parts the ship must be adjacent!" << false;
    }

    void eachClickShowsWhatHappened()
    {
        auto pair = joinRawPeer(false);
        QVERIFY(pair);
        QFETCH(QString, ship);
        QFETCH(QList<short>, placed);
        QFETCH(short, square);
        QFETCH(QString, notice);
        QFETCH(bool, beep);
        QRadioButton* option = ship == "none" ? pair->host->rdoShipCarrier : pair->host->frameShips->findChild<QRadioButton*>("rdoShip" + ship);
        option->click();
        for (short s : placed)
            pair->host->butHomeTile[s]->click();
        if (ship == "none") {
            option->setAutoExclusive(false);
            option->click();
        }
        pair->host.journal.clear();
        pair->host->butHomeTile[square]->click();
        QCOMPARE(pair->host.journal, notice.isEmpty() ? QStringList() : QStringList{"MsgBox " + notice});
        QCOMPARE(toolkit->beeps, beep ? 1 : 0);
        QCOMPARE(yellowSquares(pair->host), notice.isEmpty() ? placed + QList<short>{square} : placed);
    }

    // A short ship is named in the notice; a whole fleet is declared once,
    // and Ready and Reset Ships are closed after it.
    void readyNamesTheFirstShortShip_data()
    {
        QTest::addColumn<QList<QList<short>>>("fleet");
        QTest::addColumn<QString>("notice");
        QTest::newRow("PT boat short") << FleetSquares.mid(0, 4) + QList<QList<short>>{{80}} << "PTBoat not fully positionned";
        QTest::newRow("whole fleet") << FleetSquares << QString();
    }

    void readyNamesTheFirstShortShip()
    {
        auto pair = joinRawPeer(false);
        QVERIFY(pair);
        QFETCH(QList<QList<short>>, fleet);
        QFETCH(QString, notice);
        const bool ready = notice.isEmpty();
        placeFleet(*pair->host, fleet);
        pair->host.journal.clear();
        pair->host->butReady->click();
        QCOMPARE(pair->host.journal, QStringList{ready ? QString("sound waitingopp") : "MsgBox " + notice});
        QCOMPARE(toolkit->beeps, ready ? 0 : 1);
        QCOMPARE(pair->host->butReady->isEnabled(), !ready);
        QCOMPARE(pair->host->butResetShips->isEnabled(), !ready);
        QCOMPARE(receive(pair->peer, ready ? 2 : 0), ready ? Wire::encode(MessageCodes::msgReady) : QByteArray());
        QCOMPARE(pair->host->editStatus->lastLine(), ready ? QString("Waiting For Opponent...") : QString("Please position your ships"));
    }

    // Reset Ships asks first; Yes clears the whole Home Sea, marks and hits
    // included, and placing starts again with the Carrier.
    void resetShipsAsksThenClears()
    {
        auto pair = joinRawPeer(false);
        QVERIFY(pair);
        pair->host->butHomeTile[33]->click();
        pair->host->butHomeTile[34]->click();
        pair->host->rdoShipCruiser->click();
        pair->peer.write(MatchDriver::values({33, 77}));
        QCOMPARE(receive(pair->peer, 4), MatchDriver::values({MessageCodes::msgHit, MessageCodes::msgMissed}));
        pair->host.journal.clear();

        toolkit->answers.enqueue(Toolkit::vbNo);
        pair->host->butResetShips->click();
        QCOMPARE(toolkit->prompts.last(), QString("Are you sure you want to reset the positionning of your ships?"));
        QCOMPARE(toolkit->titles.last(), QString("Reset Ships?"));
        QCOMPARE(pair->host.journal, QStringList());
        QCOMPARE(pair->host->butHomeTile[33]->color(), TileButton::Red);

        toolkit->answers.enqueue(Toolkit::vbYes);
        pair->host->butResetShips->click();
        QCOMPARE(pair->host.journal, QStringList{"sound positionships"});
        QVERIFY(pair->host->rdoShipCarrier->isChecked());
        QCOMPARE(yellowSquares(pair->host), QList<short>{});
        for (TileButton* tile : pair->host->butHomeTile)
            QVERIFY(tile->text().isEmpty());
        pair->host->butHomeTile[7]->click();
        pair->host->butHomeTile[8]->click();
        QCOMPARE(yellowSquares(pair->host), (QList<short>{7, 8}));
    }

    void wholeMatch_data()
    {
        QTest::addColumn<float>("draw");
        QTest::addColumn<QString>("readyOrder");
        QTest::newRow("host first, host ready first") << 0.5f << "host";
        QTest::newRow("guest first, guest ready first") << 0.2f << "guest";
        QTest::newRow("host first, both ready together") << 0.9f << "together";
        QTest::newRow("guest first, host ready first") << 0.0f << "host";
    }

    void wholeMatch()
    {
        QFETCH(float, draw);
        QFETCH(QString, readyOrder);
        GameWindow host;
        GameWindow guest;
        toolkit->nextDraw = draw;
        QVERIFY(connectPair(host, guest));

        QVERIFY(!host->butReceive->isEnabled() && !host->butConnect->isEnabled());

        placeFleet(*host);
        placeFleet(*guest);
        if (readyOrder == "together") {
            host->butReady->click();
            guest->butReady->click();
        } else {
            GameWindow& first = readyOrder == "host" ? host : guest;
            GameWindow& second = readyOrder == "host" ? guest : host;
            first->butReady->click();
            QTRY_VERIFY_WITH_TIMEOUT(second->editStatus->lines().contains("Opponent Ready..."), Wait);
            second->butReady->click();
            QVERIFY(!second->editStatus->lines().contains("Waiting For Opponent..."));
            QVERIFY(first->editStatus->lines().contains("Waiting For Opponent..."));
        }
        QVERIFY(started(host, guest));
        QTest::qWait(100);
        QCOMPARE(host->editStatus->lines().count("Game Started"), 1);
        QVERIFY(guest->editStatus->lines().count("Game Started") >= 1);
        const bool hostFirst = draw >= 0.5f;
        QCOMPARE(host->rdoHome->isChecked(), hostFirst);
        QCOMPARE(guest->rdoHome->isChecked(), !hostFirst);
        QCOMPARE(toolkit->seeds, 1);

        // The first shooter hits every ship square; the other only finds water.
        GameWindow& winner = hostFirst ? host : guest;
        GameWindow& loser = hostFirst ? guest : host;
        const QList<short> targets = allShipSquares();
        for (int shot = 0; shot < targets.size(); ++shot) {
            winner->butEnemyTile[targets[shot]]->click();
            QCOMPARE(winner->editLastShot->text(), QString::number(targets[shot]));
            if (shot == targets.size() - 1)
                break;
            QVERIFY(answered(winner, loser, targets[shot]));
            QVERIFY(fire(loser, winner, short(9 + 10 * (shot % 10) - shot / 10)));
        }

        // Both sides end unconnected in a new game after the "Disconnected" boxes.
        QTRY_VERIFY_WITH_TIMEOUT(winner->Winsock1->State() == Winsock::sckClosed
                                     && loser->Winsock1->State() == Winsock::sckClosed
                                     && toolkit->prompts.count("Disconnected") == 2,
                                 Wait);
        for (GameWindow* side : {&winner, &loser})
            QVERIFY((*side)->butConnect->isEnabled() && (*side)->butReceive->isEnabled() && (*side)->butReady->isEnabled());
        // The winner's last hit is answered after its victory notice.
        const qsizetype won = winner.journal.indexOf("MsgBox You Win!");
        QCOMPARE(winner.journal.mid(won - 1, 5), QStringList({"sound youwin", "MsgBox You Win!", "sound hit",
                                                              "sound disconnected wait", "sound newgame"}));
        const qsizetype lost = loser.journal.indexOf("MsgBox You Lose!");
        QCOMPARE(loser.journal.mid(lost - 1, 4), QStringList({"sound youlose", "MsgBox You Lose!",
                                                              "sound disconnected wait", "sound newgame"}));
    }

    // Out of turn a click only beeps; a shot waiting for its answer is not
    // repeated; without a connection no shot leaves. Nothing is sent for any.
    void shotsOutsideTurnAreRefused()
    {
        auto pair = joinRawPeer();
        QVERIFY(pair);
        pair->host->butEnemyTile[55]->click();
        QCOMPARE(toolkit->beeps, 1);
        toolkit->nextDraw = 0.9f;
        pair->host->butReady->click();
        pair->peer.write(Wire::encode(msgReady));
        QCOMPARE(receive(pair->peer, 4), values({msgReady, msgEnemyTurn}));

        toolkit->beeps = 0;
        pair->host->butEnemyTile[50]->click();
        pair->host->butEnemyTile[51]->click();
        QCOMPARE(toolkit->beeps, 1);
        QCOMPARE(receive(pair->peer, 2), Wire::encode(50));
        // The player cannot move the turn indicator.
        pair->host->rdoHome->click();
        QVERIFY(pair->host->rdoEnemy->isChecked() && !pair->host->rdoHome->isChecked());

        // A turn code sent to the host makes it draw again: its turn, but the
        // shot still waits for its answer.
        toolkit->nextDraw = 0.9f;
        pair->peer.write(Wire::encode(msgEnemyTurn));
        QCOMPARE(receive(pair->peer, 2), Wire::encode(msgEnemyTurn));
        pair->host.journal.clear();
        toolkit->beeps = 0;
        pair->host->butEnemyTile[51]->click();
        QCOMPARE(pair->host.journal, QStringList{"MsgBox Could not send data to opponent, please try again."});

        // After a socket error the shooter is no longer connected.
        pair->host->Winsock1_Error(10054, "The connection is reset by remote side");
        pair->host->butEnemyTile[52]->click();
        QCOMPARE(pair->host.journal.last(), QString("MsgBox Please connect before shooting!"));
        QCOMPARE(toolkit->beeps, 2);
        QCOMPARE(receive(pair->peer, 0), QByteArray());
    }
};

QTEST_MAIN(MatchTest)
#include "tst_match.moc"
