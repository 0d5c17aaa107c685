// SPDX-License-Identifier: GPL-3.0-or-later
#include "WinsockStream.h"

#include "Address.h"
#include "EventGate.h"
#include "Winsock.h"

#include <QTcpSocket>
#include <QTimer>

namespace {

// How long a closed connection may take to hand over what was still queued.
constexpr int LingerMs = 5000;

// What a stream may hold that the kernel has not taken. Every message is two
// bytes and the peer answers each one, so a peer that lets this fill is not
// reading: its connection fails rather than grow the game without end.
constexpr qint64 MaxUnsentBytes = 65536;

} // namespace

WinsockStream::WinsockStream(Winsock& owner)
    : QObject(&owner)
    , m_owner(owner)
{
}

void WinsockStream::connectTo(const QString& host, quint16 port)
{
    auto* socket = new QTcpSocket(this);
    attach(socket);
    // A connect that fails at once (no route, an address of the wrong kind)
    // raises its Error from the event loop, after the caller's steps.
    const EventGate::Hold laterThanThisCall;
    socket->connectToHost(host, port, QIODevice::ReadWrite, QAbstractSocket::IPv4Protocol);
}

void WinsockStream::adopt(QTcpSocket* socket, const QString& peerIP)
{
    socket->setParent(this);
    attach(socket);
    // Known from the moment of connection, even if the peer has gone since.
    m_peerIP = peerIP;
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // Bytes or a close that came before the accept are reported from the
    // event loop, after the accepting handler has returned.
    QMetaObject::invokeMethod(this, [this, socket] {
        if (m_socket != socket)
            return;
        if (socket->state() == QAbstractSocket::UnconnectedState)
            onEnded(socket);
        else
            onReadyRead();
    }, Qt::QueuedConnection);
}

void WinsockStream::attach(QTcpSocket* socket)
{
    m_socket = socket;
    m_peerIP.clear();
    socket->setReadBufferSize(MaxPendingBytes);
    m_received.clear();
    m_valuesAnnounced = 0;
    m_sendEnds.clear();
    m_bytesQueued = 0;
    m_bytesSent = 0;
    connect(socket, &QTcpSocket::connected, this, [this, socket] {
        // Nagle off: every message is two bytes and the peer waits for it.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
        m_peerIP = dotted(socket->peerAddress());
        m_owner.m_state = Winsock::sckConnected;
        m_owner.raise([this] { emit m_owner.Connected(); });
    });
    connect(socket, &QTcpSocket::readyRead, this, &WinsockStream::onReadyRead);
    connect(socket, &QTcpSocket::bytesWritten, this, &WinsockStream::onBytesWritten);
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { onEnded(socket); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError error) {
        // The peer's orderly close is the Close event, not an error.
        if (error == QAbstractSocket::RemoteHostClosedError && m_owner.m_state == Winsock::sckConnected)
            return;
        if (m_owner.m_state == Winsock::sckClosing)
            return;
        m_owner.fail(Winsock::describe(error, socket->errorString()));
    });
}

QHostAddress WinsockStream::localAddress() const
{
    if (m_socket && m_socket->state() == QAbstractSocket::ConnectedState)
        return m_socket->localAddress();
    return {};
}

void WinsockStream::onReadyRead()
{
    // Bytes that come in while a handler raised from here waits in a nested
    // event loop raise no second readyRead, so they are taken up here once
    // that handler has returned, unless it closed the connection.
    QTcpSocket* const socket = m_socket;
    while (socket && m_socket == socket && socket->bytesAvailable() > 0
           && m_received.pendingBytes() < MaxPendingBytes) {
        m_received.append(socket->read(MaxPendingBytes - m_received.pendingBytes()));
        announceValues(socket);
    }
}

// One event per complete value; half a value waits for its other byte. A
// handler that runs at once reads its value from the buffer, so the count of
// complete values is taken afresh after every event.
void WinsockStream::announceValues(const QTcpSocket* socket)
{
    while (m_socket == socket && m_valuesAnnounced < m_received.completeValues()) {
        ++m_valuesAnnounced;
        m_owner.raise([this] { emit m_owner.DataArrival(long(m_received.pendingBytes())); });
    }
}

// The peer has closed the stream, or reset it. The socket still holds what
// came before the end and reads no more, so the bound has nothing left to
// guard against: all of it is taken now, one read buffer at most, and its
// values are announced ahead of the Close event. Left in the socket, it
// would go with the socket when the handler closes on that event. (A send
// that meets a reset closes the socket, and what it held, before this.)
void WinsockStream::onEnded(QTcpSocket* socket)
{
    if (m_socket != socket || m_owner.m_state != Winsock::sckConnected)
        return;
    m_owner.m_state = Winsock::sckClosing;
    if (socket->isReadable())
        m_received.append(socket->readAll());
    announceValues(socket);
    if (m_socket == socket)
        m_owner.raise([this] { emit m_owner.Closed(); });
}

void WinsockStream::onBytesWritten(qint64 bytes)
{
    m_bytesSent += bytes;
    const qint64 remaining = m_bytesQueued - m_bytesSent;
    const qint64 sent = m_bytesSent;
    m_owner.raise([this, sent, remaining] { emit m_owner.SendProgress(long(sent), long(remaining)); });
    while (!m_sendEnds.empty() && m_sendEnds.front() <= m_bytesSent) {
        m_sendEnds.pop_front();
        m_owner.raise([this] { emit m_owner.SendComplete(); });
    }
}

SocketResult WinsockStream::send(qint16 value)
{
    QTcpSocket* const socket = m_socket;
    const QByteArray bytes = Wire::encode(value);
    if (socket->write(bytes) != bytes.size())
        return Winsock::describe(socket->error(), socket->errorString());
    m_bytesQueued += bytes.size();
    m_sendEnds.push_back(m_bytesQueued);
    // The bytes go to the kernel now, not after whatever the caller's
    // handler has posted; what that raises (progress, completion, a broken
    // connection) comes from the event loop.
    const EventGate::Hold laterThanThisCall;
    socket->flush();
    if (m_socket == socket && m_owner.m_state == Winsock::sckConnected && socket->bytesToWrite() > MaxUnsentBytes)
        failUnread();
    return {};
}

void WinsockStream::failUnread()
{
    m_socket->disconnect(this);
    m_socket->abort();
    m_owner.fail(Winsock::describe(QAbstractSocket::SocketResourceError));
}

bool WinsockStream::take(qint16& value)
{
    const std::optional<qint16> next = m_received.next();
    if (!next)
        return false;
    value = *next;
    if (m_valuesAnnounced > 0)
        --m_valuesAnnounced;
    if (m_socket && m_socket->bytesAvailable() > 0)
        resumeReading();
    return true;
}

// Takes up what was left with the network once the handlers have made room.
void WinsockStream::resumeReading()
{
    if (m_resumeScheduled)
        return;
    m_resumeScheduled = true;
    QMetaObject::invokeMethod(this, [this] {
        m_resumeScheduled = false;
        onReadyRead();
    }, Qt::QueuedConnection);
}

void WinsockStream::close()
{
    if (m_socket) {
        QTcpSocket* socket = m_socket;
        m_socket = nullptr;
        socket->disconnect(this);
        // An orderly close: what was queued still goes out, then the peer
        // sees the end of the stream.
        if (socket->state() == QAbstractSocket::ConnectedState) {
            connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            socket->disconnectFromHost();
            if (socket->state() != QAbstractSocket::UnconnectedState) {
                QTimer::singleShot(LingerMs, socket, [socket] {
                    socket->abort();
                    socket->deleteLater();
                });
            }
        } else {
            socket->abort();
            socket->deleteLater();
        }
    }
    m_received.clear();
    m_valuesAnnounced = 0;
    m_sendEnds.clear();
}
