// SPDX-License-Identifier: GPL-3.0-or-later
#include "WaveLength.h"

#include <QFile>
#include <QtEndian>

namespace {

constexpr qint64 riffHeaderSize = 12;
constexpr qint64 chunkHeaderSize = 8;
constexpr qint64 byteRateOffset = 8; // within the "fmt " chunk's body

quint32 littleEndian32(const char* bytes)
{
    return qFromLittleEndian<quint32>(bytes);
}

} // namespace

std::optional<std::chrono::milliseconds> waveLength(const QString& filePath)
{
    QFile file(filePath);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;

    const QByteArray riff = file.read(riffHeaderSize);
    if (riff.size() != riffHeaderSize || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE")
        return std::nullopt;

    std::optional<quint32> byteRate;
    while (true) {
        const QByteArray chunk = file.read(chunkHeaderSize);
        if (chunk.size() != chunkHeaderSize)
            return std::nullopt;
        const QByteArray id = chunk.left(4);
        const quint32 size = littleEndian32(chunk.constData() + 4);
        if (id == "data") {
            if (!byteRate || *byteRate == 0)
                return std::nullopt;
            // A header written before the recording ended may claim more than
            // the file holds; the file's own end is what will be played.
            const qint64 available = file.size() - file.pos();
            const qint64 bytes = std::min<qint64>(size, available);
            return std::chrono::milliseconds(bytes * 1000 / *byteRate);
        }
        if (id == "fmt ") {
            const QByteArray body = file.read(size);
            if (body.size() < byteRateOffset + 4)
                return std::nullopt;
            byteRate = littleEndian32(body.constData() + byteRateOffset);
        } else if (!file.seek(file.pos() + size)) {
            return std::nullopt;
        }
        // Chunks are padded to an even length.
        if (size % 2 != 0 && !file.seek(file.pos() + 1))
            return std::nullopt;
    }
}
