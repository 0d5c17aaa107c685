// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Wire.h"

#include <QHostAddress>
#include <QObject>
#include <QString>

#include <deque>

class QTcpSocket;
class Winsock;
struct SocketResult;

// The stream job of the socket component (the game connection): one
// connection at a time, made here or accepted by the listener. Each value
// goes to the kernel inside the send; each complete value that comes in is
// one DataArrival, and when the peer closes, every value it wrote before is
// announced, in order, ahead of the Close event.
class WinsockStream final : public QObject {
public:
    // A peer can send faster than the handlers take its values, above all
    // while a modal box or a waiting sound holds them. A stream holds at most
    // this much of what they have not taken, a connection waiting for its
    // request no more; the rest stays with the network, which slows the peer.
    static constexpr qint64 MaxPendingBytes = 4096;

    explicit WinsockStream(Winsock& owner);

    // Starts the attempt; its outcome is the Connect or the Error event.
    void connectTo(const QString& host, quint16 port);
    // Takes over a connection the listener accepted from peerIP.
    void adopt(QTcpSocket* socket, const QString& peerIP);
    SocketResult send(qint16 value);
    bool take(qint16& value);
    // Hands over what was queued, then ends the connection; the peer's
    // address stays known.
    void close();

    bool isOpen() const { return m_socket != nullptr; }
    QString peerIP() const { return m_peerIP; }
    // This end's address while connected; null otherwise.
    QHostAddress localAddress() const;

private:
    void attach(QTcpSocket* socket);
    void onReadyRead();
    void announceValues(const QTcpSocket* socket);
    void onEnded(QTcpSocket* socket);
    void onBytesWritten(qint64 bytes);
    void resumeReading();
    void failUnread();

    Winsock& m_owner;
    QTcpSocket* m_socket = nullptr;
    Wire::ValueReader m_received;
    QString m_peerIP;
    qint64 m_valuesAnnounced = 0;
    bool m_resumeScheduled = false;
    std::deque<qint64> m_sendEnds;
    qint64 m_bytesQueued = 0;
    qint64 m_bytesSent = 0;
};
