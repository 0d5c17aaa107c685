// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QtGlobal>

#include <optional>

// A value on the game connection: one 16-bit signed integer, two bytes,
// least significant first, with nothing around it.
namespace Wire {

inline constexpr qsizetype ValueBytes = 2;

inline QByteArray encode(qint16 value)
{
    const quint16 bits = quint16(value);
    const char bytes[ValueBytes] = {char(bits & 0xFF), char(bits >> 8)};
    return QByteArray(bytes, ValueBytes);
}

inline qint16 decode(char low, char high)
{
    return qint16(quint16(quint8(low)) | quint16(quint8(high)) << 8);
}

// Takes values out of the bytes of a stream as they come, cut anywhere:
// half a value waits for its other byte.
class ValueReader {
public:
    void append(QByteArrayView bytes) { m_bytes.append(bytes); }
    void clear()
    {
        m_bytes.clear();
        m_read = 0;
    }
    // Bytes held that no value has been taken from yet.
    qsizetype pendingBytes() const { return m_bytes.size() - m_read; }
    qsizetype completeValues() const { return pendingBytes() / ValueBytes; }

    std::optional<qint16> next()
    {
        if (pendingBytes() < ValueBytes)
            return std::nullopt;
        const qint16 value = decode(m_bytes[m_read], m_bytes[m_read + 1]);
        m_read += ValueBytes;
        // What has been read goes once it is most of the buffer, so that a
        // long stream costs neither memory nor a move per value.
        if (m_read >= m_bytes.size() / 2) {
            m_bytes.remove(0, m_read);
            m_read = 0;
        }
        return value;
    }

private:
    QByteArray m_bytes;
    qsizetype m_read = 0;
};

} // namespace Wire
