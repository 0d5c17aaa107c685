#pragma once

#include <QByteArray>
#include <QtGlobal>

#include <optional>

namespace Robot {

// A value on the game connection: two bytes, least significant first.
inline QByteArray encodeValue(qint16 value)
{
    const quint16 bits = quint16(value);
    QByteArray bytes;
    bytes.append(char(bits & 0xFF)).append(char(bits >> 8));
    return bytes;
}

// Collects the bytes of the stream as they come and hands out the complete
// values in order; half a value waits for its other byte.
class ValueReader {
public:
    void append(const QByteArray& bytes) { m_bytes += bytes; }
    void clear() { m_bytes.clear(); }
    std::optional<qint16> next()
    {
        if (m_bytes.size() < 2)
            return std::nullopt;
        const qint16 value = qint16(quint16(quint8(m_bytes[0])) | quint16(quint8(m_bytes[1])) << 8);
        m_bytes.remove(0, 2);
        return value;
    }

private:
    QByteArray m_bytes;
};

} // namespace Robot
