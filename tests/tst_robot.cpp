// SPDX-License-Identifier: GPL-3.0-or-later
// The robot's session against raw peers that misbehave, and the program's
// refusals of what it cannot use. Whole matches against the game's window are
// the system tests' (robot_match.py).

#include "MatchDriver.h"
#include "Ports.h"
#include "RobotSession.h"

#include <QProcess>
#include <QTcpServer>

using namespace MatchDriver;
using namespace Robot;

namespace {

// A hosting robot that shoots without delay, its lines collected.
struct RunningRobot {
    RobotSession session;
    QStringList lines;

    explicit RunningRobot(int idleSeconds = 600)
        : session({.host = true, .address = {}, .delayMs = 0, .idleSeconds = idleSeconds, .seed = 3})
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
    void survivesFaultyValues()
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
        QVERIFY(robot.session.summary().startsWith(QStringLiteral("summary: 0 matches, 0 won, 0 lost, 0 abandoned, 0 shots, 5 garbage")));
    }

    // However a peer holds the robot up, it is let go, and the next player is
    // served. One that reads nothing is cut once 64 KiB of answers wait
    // unsent, long before its flood ends.
    void letsAPeerGoAndServesTheNext_data()
    {
        QTest::addColumn<QString>("peer");
        QTest::addColumn<QString>("ending");
        QTest::newRow("vanishes") << "vanishes" << "";
        QTest::newRow("reads nothing")
            << "reads nothing" << "error No buffer space is available: the peer reads no answers";
        QTest::newRow("sends nothing") << "sends nothing" << "error idle: nothing received for 1 s";
    }
    void letsAPeerGoAndServesTheNext()
    {
        QFETCH(QString, peer);
        QFETCH(QString, ending);
        RunningRobot robot(1);
        QVERIFY(robot.said(QStringLiteral("listening on 6431")));
        QTcpSocket first;
        // Taken from the network two bytes at a time at most, into a small
        // kernel buffer: what is not read stays with the robot.
        first.setReadBufferSize(2);
        first.setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
        first.connectToHost(QStringLiteral("127.0.0.1"), GamePort);
        QVERIFY(first.waitForConnected(Wait));
        QCOMPARE(receive(first, 2), Wire::encode(MessageCodes::msgReady));

        if (peer == u"vanishes")
            first.abort();
        // Each step waits until the robot has answered it, or let the peer go.
        const qsizetype before = robot.lines.size();
        for (int step = 1; peer == u"reads nothing" && step <= 16 && !robot.lines.contains(ending); ++step) {
            first.write(Wire::encode(7).repeated(32768));
            QVERIFY(QTest::qWaitFor([&] {
                return robot.lines.size() >= before + step * 32768 || robot.lines.contains(ending);
            }, Wait));
        }
        QVERIFY(robot.said(QStringLiteral("closed")));
        QCOMPARE(robot.lines.filter(QStringLiteral("error ")).join(u'\n'), ending);

        QVERIFY(robot.said(QStringLiteral("listening on 6431"), 2));
        QTcpSocket next;
        next.connectToHost(QStringLiteral("127.0.0.1"), GamePort);
        QVERIFY(next.waitForConnected(Wait));
        QCOMPARE(receive(next, 2), Wire::encode(MessageCodes::msgReady));
        QVERIFY(robot.session.summary().startsWith(QStringLiteral("summary: 1 matches, 0 won, 0 lost, 1 abandoned")));
    }

    // A host that accepts and drops the robot at once sees it again a second
    // later, not at once: in 3.5 s, four attempts at most.
    void joinsAgainOnceASecond()
    {
        QTcpServer host;
        QVERIFY(host.listen(QHostAddress::LocalHost, GamePort));
        int accepted = 0;
        connect(&host, &QTcpServer::newConnection, &host, [&] {
            while (QTcpSocket* guest = host.nextPendingConnection()) {
                ++accepted;
                guest->abort();
                guest->deleteLater();
            }
        });
        RobotSession robot({.address = QStringLiteral("127.0.0.1"), .wait = true, .delayMs = 0, .seed = 3});
        robot.start();
        QTest::qWait(3500);
        QVERIFY2(accepted >= 2 && accepted <= 4, qPrintable(QStringLiteral("%1 attempts").arg(accepted)));
    }

    // Usage errors end with status 2, failures at run time with 1; both say
    // why on standard error, after the program's name.
    void refusesWhatItCannotUse_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<int>("status");
        QTest::newRow("unknown option") << QStringList{"--host", "--hots"} << 2;
        QTest::newRow("missing value") << QStringList{"--host", "--idle"} << 2;
        QTest::newRow("empty address") << QStringList{"--join", ""} << 2;
        QTest::newRow("no game to join") << QStringList{"--join", "127.0.0.1"} << 1;
    }
    void refusesWhatItCannotUse()
    {
        QFETCH(QStringList, arguments);
        QFETCH(int, status);
        QProcess program;
        program.start(QCoreApplication::applicationDirPath() + QStringLiteral("/kelvask-robot"), arguments);
        QVERIFY(program.waitForFinished(Wait));
        const QByteArray error = program.readAllStandardError();
        QCOMPARE(program.exitCode(), status);
        QVERIFY2(error.startsWith("kelvask-robot: ") && error.size() > 16, error.constData());
    }
};

QTEST_MAIN(RobotTest)
#include "tst_robot.moc"
