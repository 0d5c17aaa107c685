// SPDX-License-Identifier: GPL-3.0-or-later
#include "WinsockDatagrams.h"

#include "EventGate.h"
#include "Winsock.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QUdpSocket>

#include <utility>

namespace {

// A peer can send faster than the handlers take its messages, above all while
// a modal box or a waiting sound holds them. Beyond this many, what it sends
// stays with the system, which drops the surplus as the network may.
constexpr std::size_t MaxPendingDatagrams = 256;

// Each pass of the event loop takes at most this much from the socket, so
// that a flood leaves the window free to answer between passes.
constexpr int DatagramsPerPass = 32;
constexpr qint64 DatagramBytesPerPass = 65536;

// A name's lookup must never hold the window up; meanwhile this many
// datagrams wait for it, and any more are lost, as the network may lose them.
constexpr std::size_t MaxUnresolvedDatagrams = 64;

} // namespace

WinsockDatagrams::WinsockDatagrams(Winsock& owner)
    : QObject(&owner)
    , m_owner(owner)
{
}

SocketResult WinsockDatagrams::bind(quint16 localPort)
{
    auto* socket = new QUdpSocket(this);
    if (!socket->bind(QHostAddress::AnyIPv4, localPort)) {
        const SocketResult failure = Winsock::describe(socket->error(), socket->errorString());
        delete socket;
        return failure;
    }
    m_socket = socket;
    m_received.clear();
    connect(socket, &QUdpSocket::readyRead, this, &WinsockDatagrams::onReadyRead);
    connect(socket, &QUdpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError error) {
        // A full send buffer loses the datagram, as the network may.
        if (error != QAbstractSocket::TemporaryError)
            m_owner.fail(Winsock::describe(error, socket->errorString()));
    });
    return {};
}

void WinsockDatagrams::send(const QByteArray& payload)
{
    if (m_owner.RemoteHost != m_peerName) {
        m_peerName = m_owner.RemoteHost;
        m_peer = QHostAddress(m_peerName);
        if (m_peer.isNull())
            lookUpPeer();
    }
    if (!m_peer.isNull())
        write(payload);
    else if (m_unresolved.size() < MaxUnresolvedDatagrams)
        m_unresolved.push_back(payload);
}

void WinsockDatagrams::write(const QByteArray& payload)
{
    // A datagram that the network refuses (no route) is reported by the
    // Error event from the event loop, never inside this call.
    const EventGate::Hold laterThanThisCall;
    m_socket->writeDatagram(payload, m_peer, quint16(m_owner.RemotePort));
}

// A host name is looked up by Qt's own resolver threads; what was sent
// meanwhile goes out once the address is known. A name that does not
// resolve is the Error event, like a failure of the network.
void WinsockDatagrams::lookUpPeer()
{
    const quint64 generation = m_owner.m_generation;
    m_lookup = QHostInfo::lookupHost(m_peerName, this, [this, generation](const QHostInfo& info) {
        m_lookup = -1;
        if (generation != m_owner.m_generation || !m_socket)
            return;
        for (const QHostAddress& candidate : info.addresses()) {
            if (candidate.protocol() == QAbstractSocket::IPv4Protocol) {
                m_peer = candidate;
                break;
            }
        }
        std::deque<QByteArray> waiting;
        waiting.swap(m_unresolved);
        if (m_peer.isNull()) {
            m_owner.fail(Winsock::describe(QAbstractSocket::HostNotFoundError));
            return;
        }
        for (const QByteArray& payload : waiting)
            write(payload);
    });
}

void WinsockDatagrams::forgetPeer()
{
    if (m_lookup >= 0)
        QHostInfo::abortHostLookup(m_lookup);
    m_lookup = -1;
    m_peerName.clear();
    m_peer.clear();
    m_unresolved.clear();
}

QHostAddress WinsockDatagrams::addressOf(const QString& host) const
{
    return host == m_peerName ? m_peer : QHostAddress();
}

void WinsockDatagrams::onReadyRead()
{
    QUdpSocket* const socket = m_socket;
    int taken = 0;
    qint64 bytesTaken = 0;
    while (socket && m_socket == socket && socket->hasPendingDatagrams()) {
        // A full backlog leaves the rest with the system until take() makes room.
        if (m_received.size() >= MaxPendingDatagrams) {
            m_backlogFull = true;
            return;
        }
        // The rest waits for the next pass: the socket stays readable.
        if (taken == DatagramsPerPass || bytesTaken >= DatagramBytesPerPass)
            return;
        const QNetworkDatagram datagram = socket->receiveDatagram();
        if (!datagram.isValid())
            break;
        // Only the peer writes in the chat: with the port open to the
        // Internet, anyone else could write as if the peer had.
        if (!datagram.senderAddress().isEqual(m_peer, QHostAddress::ConvertV4MappedToIPv4))
            continue;
        ++taken;
        bytesTaken += datagram.data().size();
        m_received.push_back(datagram.data());
        const long size = long(datagram.data().size());
        m_owner.raise([this, size] { emit m_owner.DataArrival(size); });
    }
}

bool WinsockDatagrams::take(QString& text)
{
    if (m_received.empty())
        return false;
    text = QString::fromLatin1(m_received.front());
    m_received.pop_front();
    // What was left with the system is taken up once the handlers have made room.
    if (std::exchange(m_backlogFull, false))
        QMetaObject::invokeMethod(this, &WinsockDatagrams::onReadyRead, Qt::QueuedConnection);
    return true;
}

void WinsockDatagrams::close()
{
    if (m_socket) {
        m_socket->disconnect(this);
        m_socket->close();
        m_socket->deleteLater();
        m_socket = nullptr;
    }
    forgetPeer();
    m_received.clear();
    m_backlogFull = false;
}
