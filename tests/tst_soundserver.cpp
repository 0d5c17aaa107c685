// The game's wave player against a real sound server (a null sink started for
// the test run, whose folder is XDG_RUNTIME_DIR).

#include "EventGate.h"
#include "WaveFile.h"
#include "WavePlayer.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <signal.h>

namespace {

QString runtimeFile(const QString& name)
{
    return QFile::decodeName(qgetenv("XDG_RUNTIME_DIR")) + QLatin1Char('/') + name;
}

// The streams the server is playing right now.
int playingStreams()
{
    QProcess pactl;
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("short"), QStringLiteral("sink-inputs")});
    if (!pactl.waitForFinished(5000)) {
        pactl.kill();
        pactl.waitForFinished(1000);
        return -1;
    }
    return pactl.readAllStandardOutput().count('\n');
}

// Freezes the server's PulseAudio front end for the life of this object.
class FrozenServer {
public:
    FrozenServer()
    {
        QFile pidFile(runtimeFile(QStringLiteral("pipewire-pulse.pid")));
        if (pidFile.open(QIODevice::ReadOnly))
            m_pid = pidFile.readAll().trimmed().toInt();
        if (m_pid > 0 && kill(m_pid, SIGSTOP) != 0)
            m_pid = 0;
    }
    ~FrozenServer()
    {
        if (m_pid > 0)
            kill(m_pid, SIGCONT);
    }
    bool frozen() const { return m_pid > 0; }

private:
    pid_t m_pid = 0;
};

} // namespace

class tst_SoundServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"), "started without the sound server fixture");
        m_short = m_dir.filePath(QStringLiteral("short.wav"));
        m_long = m_dir.filePath(QStringLiteral("long.wav"));
        QVERIFY(WaveFile::write(m_short, WaveFile::tone(300)));
        QVERIFY(WaveFile::write(m_long, WaveFile::tone(1000)));
        QCOMPARE(playingStreams(), 0);
    }

    void waitingPlayLastsAsLongAsTheSound()
    {
        auto player = createDefaultWavePlayer();
        for (int round = 0; round < 2; ++round) {
            QElapsedTimer clock;
            clock.start();
            player->play(m_short, true);
            const qint64 elapsed = clock.elapsed();
            QVERIFY2(elapsed >= 250 && elapsed <= 1000, qPrintable(QString::number(elapsed) + " ms"));
        }
    }

    void playWithoutWaitingReturnsAndKeepsSounding()
    {
        auto player = createDefaultWavePlayer();
        QElapsedTimer clock;
        clock.start();
        player->play(m_long, false);
        QVERIFY2(clock.elapsed() < 100, qPrintable(QString::number(clock.elapsed()) + " ms"));
        QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 1, 800);
        QTRY_COMPARE_WITH_TIMEOUT(playingStreams(), 0, 2000);
    }

    // A handler that waits for a sound sees no socket event meanwhile; what
    // arrived during the wait is handled after it.
    void waitingPlayHoldsSocketEvents()
    {
        auto player = createDefaultWavePlayer();
        QObject socket;
        QStringList order;
        bool heldOnArrival = false;
        QTimer::singleShot(50, &socket, [&] {
            heldOnArrival = EventGate::instance().isHeld();
            EventGate::instance().deliver(&socket, [&] { order << QStringLiteral("socket event"); });
        });

        player->play(m_short, true);
        order << QStringLiteral("play returned");

        QVERIFY(heldOnArrival);
        QTRY_COMPARE(order, (QStringList{QStringLiteral("play returned"), QStringLiteral("socket event")}));
    }

    void waitingPlayEndsOnTimeWhenTheServerHangs()
    {
        auto player = createDefaultWavePlayer();
        player->play(m_short, true); // connected before the server freezes
        FrozenServer frozen;
        QVERIFY(frozen.frozen());

        QElapsedTimer clock;
        clock.start();
        player->play(m_short, true);
        const qint64 elapsed = clock.elapsed();
        QVERIFY2(elapsed >= 250 && elapsed <= 1000, qPrintable(QString::number(elapsed) + " ms"));
    }

private:
    QTemporaryDir m_dir;
    QString m_short;
    QString m_long;
};

QTEST_GUILESS_MAIN(tst_SoundServer)
#include "tst_soundserver.moc"
