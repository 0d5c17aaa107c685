// The game's wave player against a real sound server (a null sink started for
// the test run, whose folder is XDG_RUNTIME_DIR).

#include "EventGate.h"
#include "WaveFile.h"
#include "WavePlayer.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QtTest>
#include <QWidget>

#include <signal.h>
#include <unistd.h>

namespace {

// AddressSanitizer keeps freed memory aside to catch its later use, so there
// resident memory says nothing about what the player holds; the ordinary
// build checks it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool freedMemoryIsKept = true;
#elif defined(__has_feature)
constexpr bool freedMemoryIsKept = __has_feature(address_sanitizer);
#else
constexpr bool freedMemoryIsKept = false;
#endif

// The files that the server is playing right now.
QStringList playingFiles()
{
    QProcess pactl; // killed, if still running, when it goes out of scope
    pactl.start(QStringLiteral("pactl"), {QStringLiteral("list"), QStringLiteral("sink-inputs")});
    if (!pactl.waitForFinished(5000))
        return {QStringLiteral("(pactl did not answer)")};
    static const QRegularExpression file(QStringLiteral("media\\.filename = \"([^\"]*)\""));
    QStringList files;
    for (auto match = file.globalMatch(QString::fromUtf8(pactl.readAllStandardOutput())); match.hasNext();)
        files << match.next().captured(1);
    return files;
}

// Whether the play ran an event loop, as only a play that waits does.
bool waited(WavePlayer& player, const QString& file, bool wait)
{
    bool ran = false;
    QObject scope;
    QTimer::singleShot(0, &scope, [&] { ran = true; });
    player.play(file, wait);
    return ran;
}

QByteArray ownProcess(const QString& what)
{
    QFile file(QStringLiteral("/proc/self/") + what);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}
bool soundLibraryLoaded() { return ownProcess(QStringLiteral("maps")).contains("/libcanberra.so"); }
qint64 residentBytes() { return ownProcess(QStringLiteral("statm")).split(' ').value(1).toLongLong() * sysconf(_SC_PAGESIZE); }

} // namespace

class tst_SoundServer : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(!qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR"), "started without the sound server fixture");
        QVERIFY(WaveFile::write(m_short, WaveFile::tone(300)));
        QVERIFY(WaveFile::write(m_long, WaveFile::tone(2000)));
    }

    // First, since a library once loaded stays: the sound of the start-up
    // reset is asked for before the window shows, and heard once it does.
    void theWindowShowsBeforeTheSoundLibraryLoads()
    {
        auto player = createDefaultWavePlayer();
        QVERIFY(!waited(*player, m_long, false));
        QVERIFY(!soundLibraryLoaded());
        m_window.show();
        QTRY_COMPARE_WITH_TIMEOUT(playingFiles(), QStringList{m_long}, 3000);
        QVERIFY(soundLibraryLoaded());
        QTRY_COMPARE_WITH_TIMEOUT(playingFiles(), QStringList(), 3000);
    }

    // A peer can ask for sounds far faster than they play: each new one
    // replaces the last, nothing piles up, and the newest is what is heard.
    void aFloodOfSoundsKeepsOnlyTheNewest()
    {
        auto player = createDefaultWavePlayer();
        player->play(m_short, true);
        const qint64 before = residentBytes();
        for (int play = 0; play < 100000; ++play)
            player->play(m_short, false);
        player->play(m_long, false);
        const qint64 grown = residentBytes() - before;
        QVERIFY2(freedMemoryIsKept || grown < 4 << 20, QByteArray::number(grown >> 10) + " KiB");
        QTRY_COMPARE_WITH_TIMEOUT(playingFiles(), QStringList{m_long}, 3000);
    }

    // Three times on one player, so that a play cannot take the one before's
    // end for its own, the last time with the server hung. Socket events that
    // arrive meanwhile are held until the play returns; a missing file returns
    // at once.
    void waitingPlayLastsAsLongAsTheSoundAndHoldsSocketEvents()
    {
        auto player = createDefaultWavePlayer();
        QVERIFY(!waited(*player, m_dir.filePath(QStringLiteral("missing.wav")), true));
        pid_t frontEnd = 0;
        const auto thaw = qScopeGuard([&frontEnd] { if (frontEnd > 0) kill(frontEnd, SIGCONT); });
        for (int round = 0; round < 3; ++round) {
            if (round == 2) {
                QFile pidFile(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/pipewire-pulse.pid"));
                QVERIFY(pidFile.open(QIODevice::ReadOnly));
                frontEnd = pidFile.readAll().trimmed().toInt();
                QVERIFY(frontEnd > 0 && kill(frontEnd, SIGSTOP) == 0);
            }
            QObject socket;
            QStringList order;
            bool heldOnArrival = false;
            QTimer::singleShot(50, &socket, [&] {
                heldOnArrival = EventGate::instance().isHeld();
                EventGate::instance().deliver(&socket, [&] { order << QStringLiteral("socket event"); });
            });
            QElapsedTimer clock;
            clock.start();
            player->play(m_short, true);
            order << QStringLiteral("play returned");
            QVERIFY2(clock.elapsed() >= 250 && clock.elapsed() <= 1000, QByteArray::number(clock.elapsed()));
            QVERIFY(heldOnArrival);
            QTRY_COMPARE(order, (QStringList{QStringLiteral("play returned"), QStringLiteral("socket event")}));
        }
    }

    // The server's address leads to a socket that hangs up on every client,
    // later to the real server: sounds are silent at once and without a word
    // after a single try, and heard again once the server is there.
    void aMissingServerIsTriedOnceAndFoundWhenItComes()
    {
        QTemporaryDir dir;
        const QString address = dir.filePath(QStringLiteral("native"));
        QLocalServer noServer;
        QVERIFY(noServer.listen(address));
        int tries = 0;
        connect(&noServer, &QLocalServer::newConnection, [&] { ++tries; delete noServer.nextPendingConnection(); });
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(address));
        const auto restore = qScopeGuard([] { qunsetenv("PULSE_SERVER"); });
        QTemporaryFile console;
        QVERIFY(console.open());
        const int savedStderr = dup(STDERR_FILENO);
        dup2(console.handle(), STDERR_FILENO);

        auto player = createDefaultWavePlayer();
        player->play(m_short, true); // the one try
        bool waitedOnce = false;
        for (int play = 0; play < 100; ++play)
            waitedOnce = waited(*player, m_short, play % 2 == 0) || waitedOnce;
        dup2(savedStderr, STDERR_FILENO);
        QVERIFY(!waitedOnce);
        QCOMPARE(tries, 1);
        QVERIFY(console.seek(0));
        QCOMPARE(console.readAll(), QByteArray());

        noServer.close();
        QVERIFY(QFile::link(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/pulse/native"), address));
        // Each play replaces the one before, so a try gets time to be heard.
        bool heard = false;
        for (int play = 0; play < 8 && !heard; ++play) {
            player->play(m_long, false);
            heard = QTest::qWaitFor([this] { return playingFiles().contains(m_long); }, 1500);
        }
        QVERIFY(heard);
    }

private:
    QTemporaryDir m_dir;
    const QString m_short = m_dir.filePath(QStringLiteral("short.wav"));
    const QString m_long = m_dir.filePath(QStringLiteral("long.wav"));
    QWidget m_window; // once shown, stays: players made later begin at once
};

QTEST_MAIN(tst_SoundServer)
#include "tst_soundserver.moc"
