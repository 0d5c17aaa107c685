// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QObject>
#include <QString>

class QTcpServer;
class QTcpSocket;
class Winsock;
struct SocketResult;

// The listening job of the socket component. Connections leave the kernel
// one at a time, each when its ConnectionRequest is due, so that while a
// handler waits the others stay in the kernel's backlog, not in descriptors
// of the game. A request that its handler does not accept is refused.
class WinsockListener final : public QObject {
public:
    explicit WinsockListener(Winsock& owner);

    SocketResult listen(quint16 port);
    void close();
    // Hands the request's connection over to the caller; null when that
    // request is no longer pending.
    QTcpSocket* take(long requestID);
    // The peer's address, noted the moment its connection was accepted.
    static QString peerOf(const QTcpSocket* connection);

private:
    void onNewConnection();
    void drop(long requestID);

    Winsock& m_owner;
    QTcpServer* m_server = nullptr;
    QHash<long, QTcpSocket*> m_requests;
    bool m_requestDue = false;
    long m_nextRequestID = 1;
};
