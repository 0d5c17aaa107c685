// SPDX-License-Identifier: GPL-3.0-or-later
// Prints how long after its start a played sound is reported as ended, for
// the game's wave player and for Qt's QSoundEffect, on whatever sound server
// the environment names.
//   sound_end_lag [plays]

#include "WavePlayer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSoundEffect>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrl>
#include <QtEndian>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {

constexpr int soundMilliseconds = 300;
constexpr int giveUpMilliseconds = 5000;

QByteArray toneFile()
{
    const quint32 rate = 22050;
    const int frames = rate * soundMilliseconds / 1000;
    QByteArray samples(frames * 2, '\0');
    for (int i = 0; i < frames; ++i)
        qToLittleEndian<qint16>(qint16(3000 * std::sin(2 * M_PI * 440 * i / rate)), samples.data() + 2 * i);
    auto u32 = [](quint32 v) { QByteArray b(4, '\0'); qToLittleEndian(v, b.data()); return b; };
    auto u16 = [](quint16 v) { QByteArray b(2, '\0'); qToLittleEndian(v, b.data()); return b; };
    const QByteArray format = u16(1) + u16(1) + u32(rate) + u32(rate * 2) + u16(2) + u16(16);
    const QByteArray chunks = "fmt " + u32(format.size()) + format + "data" + u32(samples.size()) + samples;
    return "RIFF" + u32(4 + chunks.size()) + "WAVE" + chunks;
}

void report(const char* name, std::vector<qint64> times)
{
    std::sort(times.begin(), times.end());
    std::printf("%-24s %3zu plays of %d ms: min %lld ms, median %lld ms, max %lld ms\n", name, times.size(),
                soundMilliseconds, static_cast<long long>(times.front()),
                static_cast<long long>(times[times.size() / 2]), static_cast<long long>(times.back()));
}

qint64 soundEffectEnd(QSoundEffect& effect)
{
    QEventLoop loop;
    QTimer giveUp;
    giveUp.setSingleShot(true);
    QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
    auto ended = QObject::connect(&effect, &QSoundEffect::playingChanged, &loop, [&] {
        if (!effect.isPlaying())
            loop.quit();
    });
    QElapsedTimer clock;
    clock.start();
    giveUp.start(giveUpMilliseconds);
    effect.play();
    loop.exec();
    QObject::disconnect(ended);
    return clock.elapsed();
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const int plays = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("tone.wav"));
    QFile file(path);
    if (!dir.isValid() || !file.open(QIODevice::WriteOnly) || file.write(toneFile()) < 0)
        return 1;
    file.close();

    auto player = createDefaultWavePlayer();
    std::vector<qint64> times;
    for (int i = 0; i < plays; ++i) {
        QElapsedTimer clock;
        clock.start();
        player->play(path, true);
        times.push_back(clock.elapsed());
    }
    report("game wave player", times);

    QSoundEffect effect;
    effect.setSource(QUrl::fromLocalFile(path));
    QElapsedTimer loading;
    loading.start();
    while (effect.status() == QSoundEffect::Loading && loading.elapsed() < giveUpMilliseconds)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    times.clear();
    for (int i = 0; i < plays; ++i)
        times.push_back(soundEffectEnd(effect));
    report("QSoundEffect", times);
    std::printf("(a QSoundEffect play that never ends is counted at %d ms)\n", giveUpMilliseconds);
    return 0;
}
