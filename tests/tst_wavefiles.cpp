// Reading a sound's length, and silence at once wherever nothing can play.

#include "WaveFile.h"
#include "WaveLength.h"
#include "WavePlayer.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

namespace {

// Everything the process writes to its standard error while it lives.
class StderrCapture {
public:
    explicit StderrCapture(const QString& path)
        : m_path(path)
    {
        std::fflush(stderr);
        m_saved = dup(STDERR_FILENO);
        std::FILE* file = std::fopen(QFile::encodeName(path).constData(), "w");
        dup2(fileno(file), STDERR_FILENO);
        std::fclose(file);
    }
    ~StderrCapture() { restore(); }

    QByteArray text()
    {
        restore();
        QFile file(m_path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(capture lost)");
    }

private:
    void restore()
    {
        if (m_saved < 0)
            return;
        std::fflush(stderr);
        dup2(m_saved, STDERR_FILENO);
        close(m_saved);
        m_saved = -1;
    }
    QString m_path;
    int m_saved = -1;
};

} // namespace

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
        if (milliseconds < 0) {
            QVERIFY(!length);
        } else {
            QVERIFY(length);
            QCOMPARE(length->count(), milliseconds);
        }
    }

    void missingFileHasNoLength() { QVERIFY(!waveLength(m_dir.filePath(QStringLiteral("none.wav")))); }

    // No server here: the environment points at an empty folder, so even a
    // good file plays nothing.
    void silentAtOnce_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("wait");
        QTest::newRow("missing file, waiting") << "missing.wav" << true;
        QTest::newRow("not a wave file, waiting") << "broken.wav" << true;
        QTest::newRow("no server, waiting") << "tone.wav" << true;
        QTest::newRow("no server, not waiting") << "tone.wav" << false;
    }
    void silentAtOnce()
    {
        QFETCH(QString, file);
        QFETCH(bool, wait);
        QVERIFY(WaveFile::write(m_dir.filePath(QStringLiteral("tone.wav")), WaveFile::tone(300)));
        QVERIFY(WaveFile::write(m_dir.filePath(QStringLiteral("broken.wav")), QByteArray(4000, 'x')));
        QTemporaryDir noServer;
        QVERIFY(noServer.isValid());
        qputenv("XDG_RUNTIME_DIR", QFile::encodeName(noServer.path()));
        qputenv("PULSE_SERVER", "unix:" + QFile::encodeName(noServer.filePath(QStringLiteral("pulse/native"))));
        qunsetenv("DISPLAY");

        StderrCapture console(m_dir.filePath(QStringLiteral("stderr.txt")));
        QElapsedTimer clock;
        {
            auto player = createDefaultWavePlayer();
            clock.start();
            player->play(m_dir.filePath(file), wait);
            QVERIFY2(clock.elapsed() < 150, qPrintable(QString::number(clock.elapsed()) + " ms"));
        }
        QCOMPARE(console.text(), QByteArray());
    }

private:
    QTemporaryDir m_dir;
};

QTEST_GUILESS_MAIN(tst_WaveFiles)
#include "tst_wavefiles.moc"
