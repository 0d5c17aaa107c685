// The robot's session: against raw peers that misbehave, and whole matches
// against the game's own window, with the robot hosting and joining.

#include "MatchDriver.h"
#include "RobotSession.h"

using namespace MatchDriver;
using namespace Robot;

namespace {

// A hosting robot that shoots without delay, its lines collected.
struct RunningRobot {
    RobotSession session{{.host = true, .address = QStringLiteral("127.0.0.1"), .delayMs = 0, .seed = 3}};
    QStringList lines;

    RunningRobot()
    {
        QObject::connect(&session, &RobotSession::logged, &session, [this](const QString& line) { lines << line; });
        session.start();
    }
    bool said(const QString& line, int times = 1)
    {
        return QTest::qWaitFor([&] { return lines.count(line) >= times; }, Wait);
    }
    // The squares of the "fleet:" line of the current match.
    QList<short> fleet() const
    {
        QList<short> squares;
        const QString line = lines.filter(QStringLiteral("fleet: ")).constLast();
        for (const QString& square : line.mid(7).split(u' '))
            squares << square.toShort();
        return squares;
    }
};

} // namespace

class RobotTest : public QObject {
    Q_OBJECT
    ScriptedToolkit toolkit;

private slots:
    void survivesFaultyPeersAndWaitsAgain()
    {
        RunningRobot robot;
        QVERIFY(robot.said(QStringLiteral("listening on 6431")));

        QTcpSocket peer;
        peer.connectToHost(QStringLiteral("127.0.0.1"), GamePort);
        QVERIFY(peer.waitForConnected(Wait));
        QCOMPARE(receive(peer, 2), le(-1));

        // A second guest finds no listener while a match stands.
        QTcpSocket second;
        second.connectToHost(QStringLiteral("127.0.0.1"), GamePort);
        QVERIFY(!second.waitForConnected(Wait));
        QCOMPARE(second.error(), QAbstractSocket::ConnectionRefusedError);

        // Garbage, an answer to no shot, and a shot split in two halves: only
        // the shot is answered, once and truthfully.
        const short square = robot.fleet().first();
        peer.write(le(-2) + le(-8) + le(-32768) + le(100) + le(32767) + le(-5) + le(square).left(1));
        QVERIFY(robot.said(QStringLiteral("unexpected -5")));
        peer.write(le(square).mid(1));
        QCOMPARE(receive(peer, 2), le(-5));
        for (const char* value : {"-2", "-8", "-32768", "100", "32767"})
            QVERIFY(robot.lines.contains(QStringLiteral("garbage ") + value));
        QVERIFY(robot.lines.contains(QStringLiteral("incoming %1 hit").arg(square)));

        // A peer that vanishes ends the match; the robot listens again and plays
        // the next guest.
        peer.abort();
        QVERIFY(robot.said(QStringLiteral("closed")));
        QVERIFY(robot.said(QStringLiteral("listening on 6431"), 2));
        QTcpSocket next;
        next.connectToHost(QStringLiteral("127.0.0.1"), GamePort);
        QVERIFY(next.waitForConnected(Wait));
        QCOMPARE(receive(next, 2), le(-1));
        QVERIFY(robot.session.summary().startsWith(QStringLiteral("summary: 1 matches, 0 won, 0 lost, 1 abandoned, 0 shots, 5 garbage")));
    }

    // The game joins and fires at every square in turn, so the robot answers
    // hits and misses alike; both sides must agree on every answer and end the
    // match. The window's real control library opens its chat towards the
    // robot's address, here its own machine, and must meet no error there.
    void playsTheGameWindowTruthfully()
    {
        RunningRobot robot;
        QVERIFY(robot.said(QStringLiteral("listening on 6431")));
        frmMain game(std::make_unique<RecordingWavePlayer>(), {QCoreApplication::applicationDirPath()});
        game.editIP->setText(QStringLiteral("127.0.0.1"));
        game.butConnect->click();
        QVERIFY(QTest::qWaitFor([&] { return game.editStatus->lines().contains("Opponent Ready..."); }, Wait));
        placeFleet(game);
        game.butReady->click();

        const QList<short> robotFleet = robot.fleet();
        const auto hitsBefore = [&](short square) {
            return int(std::count_if(robotFleet.begin(), robotFleet.end(), [&](short s) { return s < square; }));
        };
        auto over = [&] { return robot.lines.contains(QStringLiteral("won")) || robot.lines.contains(QStringLiteral("lost")); };
        for (short square = 0; square < 100; ++square) {
            // "Your Turn" comes back once the robot has answered and fired.
            QVERIFY(QTest::qWaitFor([&] { return over() || game.rdoHome->isChecked(); }, Wait));
            if (over())
                break;
            QCOMPARE(int(std::count_if(game.butEnemyTile.begin(), game.butEnemyTile.end(),
                                       [](TileButton* tile) { return tile->color() == TileButton::Red; })),
                     hitsBefore(square));
            game.butEnemyTile[square]->click();
        }
        QVERIFY(robot.said(QStringLiteral("closed")));
        QVERIFY(QTest::qWaitFor([&] { return game.editStatus->lines() == QStringList{"New Game..."}; }, Wait));
        QCOMPARE(game.Winsock1->State(), short(Winsock::sckClosed));
        QCOMPARE(toolkit.prompts, QStringList{QStringLiteral("Disconnected")});

        const QList<short> gameFleet = allShipSquares();
        for (const QString& line : robot.lines) {
            const QStringList words = line.split(u' ');
            if (words.size() == 2 && (words[0] == u"hit" || words[0] == u"miss"))
                QCOMPARE(gameFleet.contains(words[1].toShort()), words[0] == u"hit");
        }
    }
};

QTEST_MAIN(RobotTest)
#include "tst_robot.moc"
