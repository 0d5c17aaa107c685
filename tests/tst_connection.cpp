// SPDX-License-Identifier: GPL-3.0-or-later
// Hosting, joining, disconnecting, Game > New and the Chat menu, clicked as
// a player does, over loopback.

#include "MatchDriver.h"
#include "Ports.h"

#include <QTcpServer>

using namespace MatchDriver;

class ConnectionTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ScriptedToolkit> toolkit;

private slots:
    void init() { toolkit = std::make_unique<ScriptedToolkit>(); }
    void cleanup() { toolkit.reset(); }

    // Receive on a port that is taken, or while listening, is reported and
    // changes nothing; the Chat menu needs a connection.
    void receiveAndChatMenuFollowTheConnection()
    {
        QTcpServer squatter;
        QVERIFY(squatter.listen(QHostAddress::AnyIPv4, GamePort));
        GameWindow host;
        GameWindow guest;
        toolkit->prompts.clear();
        host->mnuChatOpen->trigger();
        QCOMPARE(toolkit->prompts, QStringList{"You need to be connected first!"});
        host->mnuChatClose->trigger();
        QCOMPARE(host.journal, QStringList{"CloseChat"});
        toolkit->prompts.clear();

        // The port is taken by another program: reported, and not hosting.
        host->butReceive->click();
        QCOMPARE(toolkit->prompts, QStringList{"Error #10048: Address in use"});
        QCOMPARE(host->Winsock1->State(), short(Winsock::sckClosed));

        // Receive while listening (connectPair presses it again): reported,
        // and the listening goes on.
        squatter.close();
        host->butReceive->click();
        toolkit->prompts.clear();
        QVERIFY(connectPair(host, guest));
        QCOMPARE(toolkit->prompts, QStringList{"Error #40020: Invalid operation at current state"});
        QCOMPARE(guest.journal.filter("OpenChat"), QStringList{"OpenChat 127.0.0.1 6432"});
        guest->mnuChatOpen->trigger();
        QCOMPARE(guest.journal.filter("OpenChat").size(), 2);
        // Accepting ends listening: a third program finds nobody.
        QTcpSocket third;
        third.connectToHost(QHostAddress::LocalHost, GamePort);
        QVERIFY(!third.waitForConnected(Wait));
        QCOMPARE(third.error(), QAbstractSocket::ConnectionRefusedError);
    }

    void failedConnectIsReportedAfterTheClick_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("error");
        QTest::newRow("refused") << "127.0.0.1" << "Error #10061: Connection is forcefully rejected";
        QTest::newRow("failing at once") << "::1" << "Error #11001: Authoritative answer: Host not found";
    }

    // A connect refused by the peer, or one that fails at once, gives one box,
    // after the click has returned.
    void failedConnectIsReportedAfterTheClick()
    {
        QFETCH(QString, address);
        QFETCH(QString, error);
        GameWindow guest;
        toolkit->prompts.clear();
        guest->editIP->setText(address);
        guest->butConnect->click();
        QCOMPARE(toolkit->prompts, QStringList{});
        QTRY_COMPARE_WITH_TIMEOUT(toolkit->prompts, QStringList{error + "\r\nClosing Connection"}, Wait);
        QTest::qWait(100);
        QCOMPARE(toolkit->prompts.size(), 1);
        QCOMPARE(guest->Winsock1->State(), short(Winsock::sckClosed));
        QVERIFY(guest->butConnect->isEnabled());
        QCOMPARE(guest->editStatus->lines(), QStringList({"New Game...", "Connecting..."}));
    }

    // The host learns of a guest that has already closed: it still names it, and
    // opens the chat towards it, before the close is seen.
    void peerThatLeavesAtOnceIsStillNamed()
    {
        GameWindow host;
        toolkit->whileOpen = [&](const QString&) {
            QTcpSocket guest;
            guest.connectToHost(QHostAddress::LocalHost, GamePort);
            QVERIFY(guest.waitForConnected(Wait));
            guest.abort();
            QTest::qWait(200);
        };
        host->butReceive->click();
        QCOMPARE(Toolkit::MsgBox("wait"), int(Toolkit::vbOK));
        toolkit->whileOpen = nullptr;
        QTRY_VERIFY_WITH_TIMEOUT(toolkit->prompts.contains("Disconnected"), Wait);
        QCOMPARE(host.journal.filter("OpenChat"), QStringList{"OpenChat 127.0.0.1 6432"});
        QTRY_COMPARE_WITH_TIMEOUT(host->editStatus->lines(), QStringList{"New Game..."}, Wait);
    }

    // Disconnect asks first, Game > New does not; either closes the
    // connection and resets the game, and the peer sees the close: one box
    // and the reset (its sounds are tst_soundcues', its buttons and socket
    // after a close tst_match's wholeMatch).
    void disconnectAndNewGameResetBothSides_data()
    {
        QTest::addColumn<bool>("viaDisconnect");
        QTest::addColumn<QStringList>("sounds");
        QTest::newRow("Disconnect") << true << QStringList{"sound disconnected wait", "sound newgame"};
        QTest::newRow("Game > New") << false << QStringList{"sound newgame"};
    }

    void disconnectAndNewGameResetBothSides()
    {
        QFETCH(bool, viaDisconnect);
        QFETCH(QStringList, sounds);
        GameWindow host;
        GameWindow guest;
        QVERIFY(connectPair(host, guest));
        toolkit->prompts.clear();
        host.journal.clear();
        guest.journal.clear();

        if (viaDisconnect) {
            toolkit->answers.enqueue(Toolkit::vbCancel);
            host->butDisconnect->click();
            QCOMPARE(toolkit->buttons.last(), int(Toolkit::vbOKCancel));
            QVERIFY(host->Winsock1->State() == Winsock::sckConnected && host.journal.isEmpty());
            toolkit->answers.enqueue(Toolkit::vbOK);
            host->butDisconnect->click();
            QCOMPARE(toolkit->prompts, QStringList(2, "Disconnect?"));
        } else {
            host->mnuFileNew->trigger();
            QCOMPARE(toolkit->prompts, QStringList{});
        }
        QCOMPARE(host.journal, sounds);
        QCOMPARE(host->editStatus->lines(), QStringList{"New Game..."});
        QCOMPARE(host->Winsock1->State(), short(Winsock::sckClosed));
        QVERIFY(host->butReceive->isEnabled() && host->butConnect->isEnabled());

        toolkit->prompts.clear();
        QTRY_COMPARE_WITH_TIMEOUT(guest->editStatus->lines(), QStringList{"New Game..."}, Wait);
        QTest::qWait(150);
        QCOMPARE(toolkit->prompts, QStringList{"Disconnected"});

        // Without a connection, Disconnect still resets the game.
        host.journal.clear();
        host->editStatus->append("something");
        toolkit->answers.enqueue(Toolkit::vbOK);
        host->butDisconnect->click();
        QCOMPARE(host.journal, (QStringList{"sound disconnected wait", "sound newgame"}));
        QCOMPARE(host->editStatus->lines(), QStringList{"New Game..."});
    }
};

QTEST_MAIN(ConnectionTest)
#include "tst_connection.moc"
