// The game's wave player against a real sound server (a null sink started for
// the test run, whose folder is XDG_RUNTIME_DIR).

#include "EventGate.h"
#include "WaveFile.h"
#include "WavePlayer.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <signal.h>

namespace {

// The streams the server is playing right now.
int playingStreams()
{
    QProcess pactl; // killed, if still running, when it goes out of scope
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    return pactl.waitForFinished(5000) ? int(pactl.readAllStandardOutput().count('\n')) : -1;
}

qint64 timedPlay(WavePlayer& player, const QString& file, bool wait)
{
    QElapsedTimer clock;
    clock.start();
    player.play(file, wait);
    return clock.elapsed();
}

QByteArray inMs(qint64 elapsed) { return QByteArray::number(elapsed) + " ms"; }

} // namespace

class tst_SoundServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"), "started without the sound server fixture");
        QVERIFY(WaveFile::write(m_short, WaveFile::tone(300)));
        QVERIFY(WaveFile::write(m_long, WaveFile::tone(1000)));
        QCOMPARE(playingStreams(), 0);
    }

    // Twice on one player, so that the second play cannot take the first
    // one's end for its own. Socket events that arrive meanwhile are held
    // until the play returns; a missing file returns at once.
    void waitingPlayLastsAsLongAsTheSoundAndHoldsSocketEvents()
    {
        auto player = createDefaultWavePlayer();
        for (int round = 0; round < 2; ++round) {
            QObject socket;
            QStringList order;
            bool heldOnArrival = false;
            QTimer::singleShot(50, &socket, [&] {
                heldOnArrival = EventGate::instance().isHeld();
                EventGate::instance().deliver(&socket, [&] { order << QStringLiteral("socket event"); });
            });
            const qint64 elapsed = timedPlay(*player, m_short, true);
            order << QStringLiteral("play returned");
            QVERIFY2(elapsed >= 250 && elapsed <= 1000, inMs(elapsed));
            QVERIFY(heldOnArrival);
            QTRY_COMPARE(order, (QStringList{QStringLiteral("play returned"), QStringLiteral("socket event")}));
        }
        const qint64 missing = timedPlay(*player, m_dir.filePath(QStringLiteral("missing.wav")), true);
        QVERIFY2(missing < 150, inMs(missing));
    }

    void playWithoutWaitingReturnsAndKeepsSounding()
    {
        auto player = createDefaultWavePlayer();
        const qint64 elapsed = timedPlay(*player, m_long, false);
        QVERIFY2(elapsed < 100, inMs(elapsed));
        QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 1, 800);
        QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 0, 2000);
    }

    void waitingPlayEndsOnTimeWhenTheServerHangs()
    {
        auto player = createDefaultWavePlayer();
        player->play(m_short, true); // connected before the server freezes
        QFile pidFile(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/pipewire-pulse.pid"));
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        const pid_t frontEnd = pidFile.readAll().trimmed().toInt();
        QVERIFY(frontEnd > 0 && kill(frontEnd, SIGSTOP) == 0);
        const auto thaw = qScopeGuard([frontEnd] { kill(frontEnd, SIGCONT); });

        const qint64 elapsed = timedPlay(*player, m_short, true);
        QVERIFY2(elapsed >= 250 && elapsed <= 1000, inMs(elapsed));
    }

private:
    QTemporaryDir m_dir;
    const QString m_short = m_dir.filePath(QStringLiteral("short.wav"));
    const QString m_long = m_dir.filePath(QStringLiteral("long.wav"));
};

QTEST_GUILESS_MAIN(tst_SoundServer)
#include "tst_soundserver.moc"
