// Reading a sound's length, and silence at once where no server can play.

#include "WaveFile.h"
#include "WaveLength.h"
#include "WavePlayer.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

class tst_WaveFiles : public QObject {
    Q_OBJECT
private slots:
    void init() { QVERIFY(m_dir.isValid()); }

    void lengthFromHeader_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("milliseconds"); // -1: no length

        using namespace WaveFile;
        const QByteArray data300 = chunk("data", toneSamples(300, 22050));
        QTest::newRow("plain") << tone(300) << 300;
        QTest::newRow("other rate") << tone(250, 8000) << 250;
        QTest::newRow("odd chunk before the format")
            << riff(chunk("LIST", "abc") + formatChunk(22050) + data300) << 300;
        QTest::newRow("data shorter than its header says")
            << tone(300).left(tone(300).size() - 4410) << 200;
        QTest::newRow("empty file") << QByteArray() << -1;
        QTest::newRow("not RIFF") << QByteArray("ID3\x04 some compressed audio") << -1;
        QTest::newRow("no data chunk") << riff(formatChunk(22050)) << -1;
        QTest::newRow("data before format") << riff(data300 + formatChunk(22050)) << -1;
        QTest::newRow("zero byte rate") << riff(formatChunk(0) + data300) << -1;
        QTest::newRow("cut inside the format") << tone(300).left(24) << -1;
    }
    void lengthFromHeader()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, milliseconds);
        const QString path = m_dir.filePath(QStringLiteral("sound.wav"));
        QVERIFY(WaveFile::write(path, bytes));

        const auto length = waveLength(path);
        QCOMPARE(length ? int(length->count()) : -1, milliseconds);
    }

    void missingFileHasNoLength() { QVERIFY(!waveLength(m_dir.filePath(QStringLiteral("none.wav")))); }

    // The environment points at an empty folder: a waiting play of a good
    // file returns at once and writes nothing to the console.
    void silentAtOnceWithoutAServer()
    {
        const QString sound = m_dir.filePath(QStringLiteral("tone.wav"));
        QVERIFY(WaveFile::write(sound, WaveFile::tone(300)));
        QTemporaryDir noServer;
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(noServer.path()));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(noServer.filePath(QStringLiteral("pulse/native"))));
        qunsetenv("DISPLAY");

        const QByteArray console = m_dir.filePath(QStringLiteral("stderr.txt")).toLocal8Bit();
        std::fflush(stderr);
        const int savedStderr = dup(STDERR_FILENO);
        const int capture = open(console.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(capture, STDERR_FILENO);
        close(capture);
        QElapsedTimer clock;
        qint64 elapsed = 0;
        {
            auto player = createDefaultWavePlayer();
            clock.start();
            player->play(sound, true);
            elapsed = clock.elapsed();
        }
        std::fflush(stderr);
        dup2(savedStderr, STDERR_FILENO);
        close(savedStderr);

        QVERIFY2(elapsed < 150, qPrintable(QString::number(elapsed) + " ms"));
        QFile written(QString::fromLocal8Bit(console));
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll(), QByteArray());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_WaveFiles)
#include "tst_wavefiles.moc"
