// SPDX-License-Identifier: GPL-3.0-or-later
#include "WinsockListener.h"

#include "Address.h"
#include "EventGate.h"
#include "Winsock.h"
#include "WinsockStream.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

namespace {

// A listener that cannot accept (no descriptor left) tries again after this
// pause instead of at once.
constexpr int AcceptRetryMs = 1000;

constexpr const char* PeerProperty = "peerAddress";

// Notes each peer's address the moment its connection is accepted: a peer
// that closes at once takes its address with it. A connection waiting for
// its request to be handled reads no more than an accepted one would.
class PeerNotingServer final : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QTcpSocket(this);
        socket->setReadBufferSize(WinsockStream::MaxPendingBytes);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        socket->setProperty(PeerProperty, dotted(socket->peerAddress()));
        addPendingConnection(socket);
    }
};

} // namespace

WinsockListener::WinsockListener(Winsock& owner)
    : QObject(&owner)
    , m_owner(owner)
{
}

QString WinsockListener::peerOf(const QTcpSocket* connection)
{
    return connection->property(PeerProperty).toString();
}

SocketResult WinsockListener::listen(quint16 port)
{
    auto* server = new PeerNotingServer(this);
    if (!server->listen(QHostAddress::AnyIPv4, port)) {
        const SocketResult failure = Winsock::describe(server->serverError(), server->errorString());
        delete server;
        return failure;
    }
    // One connection at a time leaves the kernel: the others wait in its
    // backlog until the request before them has been handled.
    server->setMaxPendingConnections(1);
    m_server = server;
    connect(server, &QTcpServer::newConnection, this, &WinsockListener::onNewConnection);
    connect(server, &QTcpServer::acceptError, this, [server] {
        // A failure such as no descriptor left is tried again later, never
        // in a busy loop.
        server->pauseAccepting();
        QTimer::singleShot(AcceptRetryMs, server, &QTcpServer::resumeAccepting);
    });
    return {};
}

void WinsockListener::close()
{
    if (m_server) {
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
}

// The request is taken from the server only when its event is due, so
// while a handler waits, further connections stay with the kernel.
void WinsockListener::onNewConnection()
{
    if (m_requestDue)
        return;
    m_requestDue = true;
    // Whoever listens when the request is due takes it; a closed listener
    // leaves nothing to take.
    EventGate::instance().deliver(this, [this] {
        m_requestDue = false;
        if (!m_server || !m_server->hasPendingConnections())
            return;
        QTcpSocket* socket = m_server->nextPendingConnection();
        socket->setParent(this);
        const long requestID = m_nextRequestID++;
        m_requests.insert(requestID, socket);
        emit m_owner.ConnectionRequest(requestID);
        drop(requestID);
        if (m_server && m_server->hasPendingConnections())
            onNewConnection();
    });
}

QTcpSocket* WinsockListener::take(long requestID)
{
    return m_requests.take(requestID);
}

void WinsockListener::drop(long requestID)
{
    if (QTcpSocket* socket = m_requests.take(requestID)) {
        socket->abort();
        socket->deleteLater();
    }
}
