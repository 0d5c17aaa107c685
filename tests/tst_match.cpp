// Whole matches between two windows joined over loopback, and one window
// against a raw peer that writes chosen bytes.

#include "MatchDriver.h"

using namespace MatchDriver;

class MatchTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ScriptedToolkit> toolkit;

    // One window hosting, with a raw peer joined and the fleet placed.
    struct HostAndPeer {
        GameWindow host;
        QTcpSocket peer;
    };
    std::unique_ptr<HostAndPeer> joinRawPeer()
    {
        auto pair = std::make_unique<HostAndPeer>();
        pair->host->butReceive_Click();
        pair->peer.connectToHost(QHostAddress::LocalHost, 6431);
        if (!pair->peer.waitForConnected(Wait) || !QTest::qWaitFor([&] { return pair->host->bPlacing; }, Wait))
            return nullptr;
        placeFleet(*pair->host);
        pair->host.journal.clear();
        toolkit->beeps = 0;
        toolkit->prompts.clear();
        return pair;
    }

private slots:
    void init() { toolkit = std::make_unique<ScriptedToolkit>(); }
    void cleanup() { toolkit.reset(); }

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

        QCOMPARE(host->editStatus->lines(),
                 QStringList({"New Game...", "Waiting for connection...", "Connected to 127.0.0.1",
                              "Please position your ships"}));
        QCOMPARE(guest->editStatus->lines(),
                 QStringList({"New Game...", "Connecting...", "Connected to 127.0.0.1",
                              "Please position your ships"}));
        QVERIFY(!host->butReceive->isEnabled() && !host->butConnect->isEnabled());

        placeFleet(*host);
        placeFleet(*guest);
        if (readyOrder == "together") {
            host->butReady_Click();
            guest->butReady_Click();
        } else {
            GameWindow& first = readyOrder == "host" ? host : guest;
            GameWindow& second = readyOrder == "host" ? guest : host;
            first->butReady_Click();
            QTRY_VERIFY_WITH_TIMEOUT(second->bOppReady, Wait);
            QVERIFY(second->editStatus->lines().contains("Opponent Ready..."));
            second->butReady_Click();
            QVERIFY(!second->editStatus->lines().contains("Waiting For Opponent..."));
            QVERIFY(first->editStatus->lines().contains("Waiting For Opponent..."));
        }
            QTRY_VERIFY_WITH_TIMEOUT(host->bGameOn && guest->bGameOn && !host->bStartPending
                                     && !guest->bStartPending && (host->bMyTurn != guest->bMyTurn),
                                 Wait);
        QTest::qWait(100);
        QCOMPARE(host->editStatus->lines().count("Game Started"), 1);
        QVERIFY(guest->editStatus->lines().count("Game Started") >= 1);
        const bool hostFirst = draw >= 0.5f;
        QCOMPARE(host->bMyTurn, hostFirst);
        QCOMPARE(host->rdoHome->isChecked(), hostFirst);
        QCOMPARE(guest->rdoHome->isChecked(), !hostFirst);
        QCOMPARE(toolkit->seeds, 1);

        // The first shooter hits every ship square; the other only finds water.
        GameWindow& winner = hostFirst ? host : guest;
        GameWindow& loser = hostFirst ? guest : host;
        const QList<short> targets = allShipSquares();
        for (int shot = 0; shot < targets.size(); ++shot) {
            winner->butEnemyTile_Click(targets[shot]);
            QCOMPARE(winner->editLastShot->text(), QString::number(targets[shot]));
            if (shot == targets.size() - 1)
                break;
            QTRY_VERIFY_WITH_TIMEOUT(loser->bMyTurn && winner->bCanShoot, Wait);
            QCOMPARE(winner->butEnemyTile[targets[shot]]->color(), TileButton::Red);
            QCOMPARE(loser->butHomeTile[targets[shot]]->color(), TileButton::Red);
            QCOMPARE(loser->butHomeTile[targets[shot]]->text(), QString("X"));
            const short water = short(9 + 10 * (shot % 10) - shot / 10);
            loser->butEnemyTile_Click(water);
            QTRY_VERIFY_WITH_TIMEOUT(winner->bMyTurn && loser->bCanShoot, Wait);
            QCOMPARE(loser->butEnemyTile[water]->color(), TileButton::Blue);
            QCOMPARE(loser->butEnemyTile[water]->text(), QString("X"));
            QCOMPARE(winner->iHitCount, short(shot + 1));
        }

        // Both sides end unconnected in a new game after the "Disconnected" boxes.
        QTRY_VERIFY_WITH_TIMEOUT(!winner->bConnected && !loser->bConnected
                                     && winner->Winsock1->State() == Winsock::sckClosed
                                     && loser->Winsock1->State() == Winsock::sckClosed,
                                 Wait);
        QCOMPARE(toolkit->prompts.count("Disconnected"), 2);
        for (GameWindow* side : {&winner, &loser}) {
            QCOMPARE((*side)->editStatus->lines(), QStringList{"New Game..."});
            QVERIFY((*side)->butConnect->isEnabled() && (*side)->butReceive->isEnabled()
                    && (*side)->butReady->isEnabled() && !(*side)->bGameOn);
            QCOMPARE((*side)->butEnemyTile[0]->color(), TileButton::White);
            QCOMPARE((*side)->butHomeTile[0]->color(), TileButton::Blue);
        }
        // The winner's last hit is answered after its victory notice.
        const qsizetype won = winner.journal.indexOf("MsgBox You Win!");
        QCOMPARE(winner.journal.mid(won - 1, 5), QStringList({"sound youwin", "MsgBox You Win!", "sound hit",
                                                              "sound disconnected wait", "sound newgame"}));
        const qsizetype lost = loser.journal.indexOf("MsgBox You Lose!");
        QCOMPARE(loser.journal.mid(lost - 1, 4), QStringList({"sound youlose", "MsgBox You Lose!",
                                                              "sound disconnected wait", "sound newgame"}));
    }


    // Ten shots and five values that name nothing in one write, the last shot's
    // second byte in a later write: each shot answered once, in order; each
    // stray value only beeps and logs.
    void batchedShotsAndGarbageAreHandledOnceInOrder()
    {
        auto pair = joinRawPeer();
        QVERIFY(pair);
        const QStringList before = pair->host->editStatus->lines();
        QByteArray values;
        QByteArray expected;
        for (qint16 value : {-2, -8, -32768, 100, 32767})
            values += le(value);
        for (qint16 square = 0; square < 10; ++square) {
            values += le(square);
            expected += le(square < 5 ? -5 : -6);  // the Carrier fills squares 0..4
        }
        pair->peer.write(values.chopped(1));
        QCOMPARE(receive(pair->peer, 18), expected.left(18));
        QCOMPARE(pair->host->editLastShot->text(), QString("8"));
        QCOMPARE(pair->host->butHomeTile[9]->text(), QString());
        pair->peer.write(values.right(1));
        QCOMPARE(receive(pair->peer, 2), expected.right(2));
        QCOMPARE(pair->host.journal.count("sound fire wait"), 10);
        QCOMPARE(pair->host->editLastShot->text(), QString("9"));
        QCOMPARE(pair->host->butHomeTile[2]->color(), TileButton::Red);
        QCOMPARE(toolkit->beeps, 5);
        QCOMPARE(pair->host->editStatus->lines().mid(0, before.size() + 5), before + QStringList(5, "Received Garbage"));
        QVERIFY(pair->host->bPlacing && !pair->host->bOppReady && !pair->host->bGameOn);
    }

    void strayHitAndSecondReady()
    {
        auto pair = joinRawPeer();
        QVERIFY(pair);
        // A hit that answers no shot marks the last shot's tile, counted once
        // however often it comes.
        pair->peer.write(le(-5) + le(-5));
        QTRY_COMPARE_WITH_TIMEOUT(pair->host.journal.size(), 2, Wait);
        QCOMPARE(pair->host.journal.first(), QString("sound hit"));
        QCOMPARE(pair->host->butEnemyTile[0]->color(), TileButton::Red);
        QCOMPARE(pair->host->butEnemyTile[0]->text(), QString("X"));
        QCOMPARE(pair->host->iHitCount, short(1));

        toolkit->nextDraw = 0.75f;
        pair->host->butReady_Click();
        QCOMPARE(receive(pair->peer, 2), le(-1));
        pair->peer.write(le(-1));
        // Host draws 0.75: it shoots first and tells the guest with -4, once.
        QCOMPARE(receive(pair->peer, 2), le(-4));
        QVERIFY(pair->host->bGameOn && pair->host->bMyTurn);
        const QStringList log = pair->host->editStatus->lines();
        QCOMPARE(log.count("Game Started"), 1);
        pair->peer.write(le(-1));
        QTest::qWait(200);
        QCOMPARE(pair->peer.readAll(), QByteArray());
        QCOMPARE(pair->host->editStatus->lines(), log);
        QVERIFY(pair->host->bGameOn && pair->host->bMyTurn && pair->host->bOppReady);
    }

    void shotsOutsideTurnAreRefused()
    {
        GameWindow host;
        GameWindow guest;
        toolkit->nextDraw = 0.9f;
        QVERIFY(connectPair(host, guest));
        QVERIFY(startMatch(host, guest));
        QVERIFY(host->bMyTurn);

        // The guest may not shoot on the host's turn: a beep and nothing sent.
        const int beeps = toolkit->beeps;
        guest->butEnemyTile_Click(55);
        QCOMPARE(toolkit->beeps, beeps + 1);
        QCOMPARE(guest->iShotTile, short(0));
        // The player cannot move the turn indicator.
        guest->rdoHome->click();
        QVERIFY(guest->rdoEnemy->isChecked() && !guest->rdoHome->isChecked());

        // Having fired, the host waits: a second click only beeps, and with the
        // turn forced back on, the shot is still refused until the answer comes.
        host->butEnemyTile_Click(50);
        host->butEnemyTile_Click(51);
        QCOMPARE(toolkit->beeps, beeps + 2);
        host->bMyTurn = true;
        host->butEnemyTile_Click(51);
        QVERIFY(host.journal.contains("MsgBox Could not send data to opponent, please try again."));
        QTRY_VERIFY_WITH_TIMEOUT(guest->bMyTurn, Wait);
        QCOMPARE(guest->butHomeTile[50]->text(), QString("X"));
        QCOMPARE(guest->butHomeTile[51]->text(), QString());

        // After a socket error the shooter is no longer connected.
        host->Winsock1_Error(10054, "The connection is reset by remote side");
        QVERIFY(!host->bConnected);
        host->bMyTurn = true;
        host->butEnemyTile_Click(52);
        QVERIFY(host.journal.contains("MsgBox Please connect before shooting!"));
    }
};

QTEST_MAIN(MatchTest)
#include "tst_match.moc"
