// The robot's session against raw peers that misbehave. Whole matches
// against the game's window are the system tests' (robot_match.py).

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

private slots:
    void survivesFaultyPeersAndWaitsAgain()
    {
        RunningRobot robot;
        QVERIFY(robot.said(QStringLiteral("listening on 6431")));

        QTcpSocket peer;
        peer.connectToHost(QStringLiteral("127.0.0.1"), GamePort);
        QVERIFY(peer.waitForConnected(Wait));
        QCOMPARE(receive(peer, 2), Wire::encode(MessageCodes::msgReady));

        // A second guest finds no listener while a match stands.
        QTcpSocket second;
        second.connectToHost(QStringLiteral("127.0.0.1"), GamePort);
        QVERIFY(!second.waitForConnected(Wait));
        QCOMPARE(second.error(), QAbstractSocket::ConnectionRefusedError);

        // Garbage, an answer to no shot, and a shot split in two halves: only
        // the shot is answered, once and truthfully.
        const short square = robot.fleet().first();
        peer.write(values({-2, -8, -32768, 100, 32767, -5}) + Wire::encode(square).left(1));
        QVERIFY(robot.said(QStringLiteral("unexpected -5")));
        peer.write(Wire::encode(square).mid(1));
        QCOMPARE(receive(peer, 2), Wire::encode(MessageCodes::msgHit));
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
        QCOMPARE(receive(next, 2), Wire::encode(MessageCodes::msgReady));
        QVERIFY(robot.session.summary().startsWith(QStringLiteral("summary: 1 matches, 0 won, 0 lost, 1 abandoned, 0 shots, 5 garbage")));
    }
};

QTEST_MAIN(RobotTest)
#include "tst_robot.moc"
