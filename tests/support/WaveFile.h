// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QFile>
#include <QtEndian>

#include <cmath>

// Writes test sounds: 16-bit mono PCM, a quiet 440 Hz tone.
namespace WaveFile {

inline QByteArray littleEndian(quint32 value, int size)
{
    QByteArray bytes(4, '\0');
    qToLittleEndian(value, bytes.data());
    return bytes.left(size);
}

inline QByteArray chunk(const QByteArray& id, const QByteArray& body)
{
    return id + littleEndian(body.size(), 4) + body + QByteArray(body.size() % 2, '\0');
}

// PCM, mono, frames per second, bytes per second, bytes per frame, bits.
inline QByteArray formatChunk(quint32 rate)
{
    return chunk("fmt ", littleEndian(1, 2) + littleEndian(1, 2) + littleEndian(rate, 4)
                             + littleEndian(rate * 2, 4) + littleEndian(2, 2) + littleEndian(16, 2));
}

inline QByteArray toneSamples(int milliseconds, quint32 rate)
{
    QByteArray samples;
    for (qint64 i = 0; i < qint64(rate) * milliseconds / 1000; ++i)
        samples += littleEndian(quint16(qint16(3000 * std::sin(2 * M_PI * 440 * i / rate))), 2);
    return samples;
}

inline QByteArray riff(const QByteArray& chunks)
{
    return "RIFF" + littleEndian(4 + chunks.size(), 4) + "WAVE" + chunks;
}

inline QByteArray tone(int milliseconds, quint32 rate = 22050)
{
    return riff(formatChunk(rate) + chunk("data", toneSamples(milliseconds, rate)));
}

inline bool write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

} // namespace WaveFile
