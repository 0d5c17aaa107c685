// SPDX-License-Identifier: GPL-3.0-or-later
// The game's wave player against a real sound server (a null sink started for
// the test run, whose folder is XDG_RUNTIME_DIR).

#include "EventGate.h"
#include "Toolkit.h"
#include "WaveFile.h"
#include "WaveLength.h"
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

// Each stream in a listing of the server's streams: its file, by number.
QMap<int, QString> streamFiles(const QByteArray& listing)
{
    static const QRegularExpression file(QStringLiteral("media\\.filename = \"([^\"]*)\""));
    QMap<int, QString> streams;
    for (const QString& stream : QString::fromUtf8(listing).split(QStringLiteral("Sink Input #")).mid(1))
        streams.insert(stream.section(u'\n', 0, 0).toInt(), file.match(stream).captured(1));
    return streams;
}

const QStringList listStreams{QStringLiteral("list"), QStringLiteral("sink-inputs")};

// The files that the server is playing right now.
QStringList playingFiles()
{
    QProcess pactl; // killed, if still running, when it goes out of scope
    pactl.start(QStringLiteral("pactl"), listStreams);
    if (!pactl.waitForFinished(5000))
        return {QStringLiteral("(pactl did not answer)")};
    return streamFiles(pactl.readAllStandardOutput()).values();
}

// The server's own account of the streams it plays while this lives, from
// `pactl subscribe`: each stream's file, and when it was made and removed.
// Files are looked up beside the events, so that no look delays their times.
struct ServerRecord : QObject {
    struct Stream {
        int number;
        QString file;
        qint64 made, removed = -1;
    };
    QList<Stream> streams;
    QElapsedTimer clock;
    QProcess events, listing;
    qsizetype listed = 0;
    bool listening = false;

    ServerRecord()
    {
        connect(&events, &QProcess::readyReadStandardOutput, this, &ServerRecord::read);
        connect(&listing, &QProcess::finished, this, [this] {
            const QMap<int, QString> files = streamFiles(listing.readAllStandardOutput());
            for (qsizetype i = 0; i < listed; ++i) // a stream already gone stays nameless
                if (streams[i].file.isEmpty())
                    streams[i].file = files.value(streams[i].number, QStringLiteral("(gone)"));
            lookUp();
        });
        events.start(QStringLiteral("pactl"), {QStringLiteral("subscribe")});
        clock.start();
        // Each pactl call is a client of the server: once one is reported,
        // so will the streams be.
        listening = QTest::qWaitFor([this] {
            playingFiles();
            return listening;
        }, 5000);
    }
    ~ServerRecord()
    {
        for (QProcess* pactl : {&events, &listing}) {
            pactl->kill();
            pactl->waitForFinished();
        }
    }

    bool ended(qsizetype count) const
    {
        return streams.size() >= count && std::all_of(streams.begin(), streams.end(), [](const Stream& s) {
            return s.removed >= 0 && !s.file.isEmpty();
        });
    }

    void read()
    {
        static const QRegularExpression event(QStringLiteral("'(new|remove)' on (sink-input|client) #(\\d+)"));
        while (events.canReadLine()) {
            const auto match = event.match(QString::fromUtf8(events.readLine()));
            const int number = match.captured(3).toInt();
            if (match.captured(2) == QStringLiteral("client"))
                listening = true;
            else if (match.captured(1) == QStringLiteral("new"))
                streams << Stream{number, {}, clock.elapsed()};
            else if (match.hasMatch())
                for (Stream& stream : streams)
                    if (stream.number == number && stream.removed < 0)
                        stream.removed = clock.elapsed();
        }
        lookUp();
    }

    void lookUp()
    {
        if (listing.state() == QProcess::NotRunning && listed < streams.size()) {
            listed = streams.size();
            listing.start(QStringLiteral("pactl"), listStreams);
        }
    }
};

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

    // A peer can ask for sounds far faster than they play: only the newest
    // few are started, nothing piles up, and when the flood stops so does the
    // thread: the last sound asked for soon plays alone.
    void aFloodOfSoundsLeavesOnlyTheNewest()
    {
        auto player = createDefaultWavePlayer();
        player->play(m_short, true);
        const qint64 before = residentBytes();
        for (int play = 0; play < 500000; ++play)
            player->play(m_short, false);
        player->play(m_long, false);
        const qint64 grown = residentBytes() - before;
        QVERIFY2(freedMemoryIsKept || grown < 4 << 20, QByteArray::number(grown >> 10) + " KiB");
        QTRY_COMPARE_WITH_TIMEOUT(playingFiles(), QStringList{m_long}, 3000);
    }

    void cuesPlayOverEachOther_data()
    {
        // "<ms> <sound>[ wait]" or "<ms> beep": asked for that long after the start.
        QTest::addColumn<QStringList>("plays");
        // Each stream in the order of its start, lasting as long as its file
        // or, marked "cut", less.
        QTest::addColumn<QStringList>("heard");
        QTest::newRow("the winner's last answer") << QStringList{"0 youwin", "0 hit"} << QStringList{"youwin", "hit"};
        QTest::newRow("a defeat, its box dismissed at once")
            << QStringList{"0 youlose", "0 disconnected wait"} << QStringList{"youlose", "disconnected"};
        // The tests' own platform draws on no screen: its beep is heard by nobody.
        QTest::newRow("the offscreen beep") << QStringList{"0 beep", "0 hit"} << QStringList{"hit"};
        QTest::newRow("a fifth cuts the oldest")
            << QStringList{"0 positionships wait", "300 fire", "300 hit", "300 missed", "300 yourturn"}
            << QStringList{"positionships cut", "fire", "hit", "missed", "yourturn"};
    }

    // The game's own sounds, asked for as its handlers ask for them. A waiting
    // play returns when its stream is gone.
    void cuesPlayOverEachOther()
    {
        QFETCH(QStringList, plays);
        QFETCH(QStringList, heard);
        m_window.show();
        auto player = createDefaultWavePlayer();
        ServerRecord server;
        QVERIFY(server.listening);
        const auto file = [](const QString& name) { return QCoreApplication::applicationDirPath() + "/sounds/" + name + ".wav"; };
        QMap<QString, qint64> returned;
        for (const QString& play : plays) {
            const QStringList words = play.split(u' ');
            QTimer::singleShot(words[0].toInt(), &server, [&, words] {
                if (words[1] == QStringLiteral("beep"))
                    return Toolkit::Beep();
                player->play(file(words[1]), words.size() > 2);
                if (words.size() > 2)
                    returned[words[1]] = server.clock.elapsed();
            });
        }
        QVERIFY(QTest::qWaitFor([&] { return server.ended(heard.size()); }, 5000));
        QCOMPARE(server.streams.size(), heard.size());
        for (int i = 0; i < heard.size(); ++i) {
            const ServerRecord::Stream& stream = server.streams[i];
            const QStringList expected = heard[i].split(u' ');
            const qint64 lasted = stream.removed - stream.made;
            const qint64 length = waveLength(file(expected[0])).value_or(std::chrono::milliseconds(0)).count();
            QCOMPARE(QFileInfo(stream.file).completeBaseName(), expected[0]);
            // The server keeps a stream a little past its sound while the
            // buffer drains, and a busy machine adds to that.
            QVERIFY2(expected.size() > 1 ? lasted < length - 100 : lasted > length - 100 && lasted < length + 400, qPrintable(heard[i]));
            QVERIFY(qAbs(returned.value(expected[0], stream.removed) - stream.removed) < 150);
        }
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
        // A sound asked for during the pause after the failed try is dropped:
        // play until one is heard.
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
