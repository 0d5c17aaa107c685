// SPDX-License-Identifier: GPL-3.0-or-later
// Reading a sound's length from its header.

#include "WaveFile.h"
#include "WaveLength.h"

#include <QTemporaryDir>
#include <QTest>

class tst_WaveFiles : public QObject {
    Q_OBJECT
private slots:
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
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("sound.wav"));
        QVERIFY(!waveLength(path));
        QVERIFY(WaveFile::write(path, bytes));

        const auto length = waveLength(path);
        QCOMPARE(length ? int(length->count()) : -1, milliseconds);
    }
};

QTEST_GUILESS_MAIN(tst_WaveFiles)
#include "tst_wavefiles.moc"
