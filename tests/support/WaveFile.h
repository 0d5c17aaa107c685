#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>
#include <QtEndian>

#include <cmath>

// Writes test sounds: 16-bit mono PCM, a quiet 440 Hz tone.
namespace WaveFile {

inline void appendLittleEndian(QByteArray& bytes, quint32 value, int size)
{
    for (int i = 0; i < size; ++i)
        bytes.append(char((value >> (8 * i)) & 0xff));
}

inline QByteArray chunk(const QByteArray& id, const QByteArray& body)
{
    QByteArray bytes = id;
    appendLittleEndian(bytes, quint32(body.size()), 4);
    bytes += body;
    if (body.size() % 2 != 0)
        bytes.append('\0');
    return bytes;
}

inline QByteArray formatChunk(quint32 rate)
{
    QByteArray body;
    appendLittleEndian(body, 1, 2);        // PCM
    appendLittleEndian(body, 1, 2);        // mono
    appendLittleEndian(body, rate, 4);
    appendLittleEndian(body, rate * 2, 4); // bytes per second
    appendLittleEndian(body, 2, 2);        // bytes per frame
    appendLittleEndian(body, 16, 2);
    return chunk("fmt ", body);
}

inline QByteArray toneSamples(int milliseconds, quint32 rate)
{
    QByteArray samples;
    const int frames = int(qint64(rate) * milliseconds / 1000);
    for (int i = 0; i < frames; ++i)
        appendLittleEndian(samples, quint16(qint16(3000 * std::sin(2 * M_PI * 440 * i / rate))), 2);
    return samples;
}

inline QByteArray riff(const QByteArray& chunks)
{
    QByteArray bytes = "RIFF";
    appendLittleEndian(bytes, quint32(4 + chunks.size()), 4);
    return bytes + "WAVE" + chunks;
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
