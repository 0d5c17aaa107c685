// SPDX-License-Identifier: GPL-3.0-or-later
#include "Winsock.h"

#include "Address.h"
#include "EventGate.h"
#include "WinsockDatagrams.h"
#include "WinsockListener.h"
#include "WinsockStream.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QNetworkInterface>
#include <QTcpSocket>
#include <QUdpSocket>

#include <utility>

namespace {

const SocketResult Ok{};

SocketResult invalidOperation()
{
    return {Winsock::sckInvalidOp,
            QCoreApplication::translate("Winsock", "Invalid operation at current state")};
}

SocketResult wrongState()
{
    return {Winsock::sckBadState,
            QCoreApplication::translate(
                "Winsock", "Wrong protocol or connection state for the requested transaction or request")};
}

SocketResult invalidPort()
{
    return {Winsock::sckInvalidPropertyValue, QCoreApplication::translate("Winsock", "Invalid port number")};
}

bool validPort(long port)
{
    return port >= 0 && port <= 65535;
}

} // namespace

Winsock::Winsock(Protocol protocol, QObject* parent)
    : QObject(parent)
    , m_protocol(protocol)
{
    if (protocol == sckUDPProtocol) {
        m_datagrams = std::make_unique<WinsockDatagrams>(*this);
    } else {
        m_listener = std::make_unique<WinsockListener>(*this);
        m_stream = std::make_unique<WinsockStream>(*this);
    }
}

Winsock::~Winsock()
{
    Close();
}

SocketResult Winsock::describe(int qtSocketError, const QString& qtText)
{
    switch (static_cast<QAbstractSocket::SocketError>(qtSocketError)) {
    case QAbstractSocket::ConnectionRefusedError:
        return {sckConnectionRefused, tr("Connection is forcefully rejected")};
    case QAbstractSocket::RemoteHostClosedError:
        return {sckConnectionReset, tr("The connection is reset by remote side")};
    case QAbstractSocket::HostNotFoundError:
        return {sckHostNotFound, tr("Authoritative answer: Host not found")};
    case QAbstractSocket::SocketAccessError:
        return {sckPermissionDenied, tr("Permission denied")};
    case QAbstractSocket::SocketResourceError:
        return {sckNoBufferSpace, tr("No buffer space is available")};
    case QAbstractSocket::SocketTimeoutError:
        return {sckTimedout, tr("Connection is timed out")};
    case QAbstractSocket::DatagramTooLargeError:
        return {sckMsgTooBig, tr("The datagram is too large to fit into the buffer and is truncated")};
    case QAbstractSocket::NetworkError:
        return {sckNetworkUnreachable, tr("Network is unreachable")};
    case QAbstractSocket::AddressInUseError:
        return {sckAddressInUse, tr("Address in use")};
    case QAbstractSocket::SocketAddressNotAvailableError:
        return {sckAddressNotAvailable, tr("Address not available from the local machine")};
    case QAbstractSocket::UnsupportedSocketOperationError:
        return {sckUnsupported, tr("Unsupported operation")};
    case QAbstractSocket::UnfinishedSocketOperationError:
        return {sckInProgress, tr("Operation is now in progress")};
    default:
        return {sckNetworkSubsystemFailed,
                qtText.isEmpty() ? tr("Network subsystem is failed") : qtText};
    }
}

// Every event goes through the process-wide gate. An event raised before a
// Close or an Accept belongs to the connection that ended there and is
// dropped when its turn comes.
void Winsock::raise(std::function<void()> event)
{
    const quint64 generation = m_generation;
    EventGate::instance().deliver(this, [this, generation, event = std::move(event)] {
        if (generation == m_generation)
            event();
    });
}

void Winsock::fail(const SocketResult& failure)
{
    m_state = sckError;
    raise([this, failure] { emit Error(short(failure.number), failure.description); });
}

QString Winsock::RemoteHostIP() const
{
    if (m_stream && !m_stream->peerIP().isEmpty())
        return m_stream->peerIP();
    const QHostAddress address(RemoteHost);
    return address.isNull() ? QString() : dotted(address);
}

QString Winsock::LocalIP() const
{
    const QHostAddress local = m_stream ? m_stream->localAddress() : QHostAddress();
    if (!local.isNull())
        return dotted(local);
    // The address this machine would use towards the peer: connecting a
    // datagram socket sends nothing but chooses the route.
    QHostAddress peer(RemoteHost);
    if (peer.isNull() && m_datagrams)
        peer = m_datagrams->addressOf(RemoteHost);
    if (!peer.isNull()) {
        QUdpSocket probe;
        probe.connectToHost(peer, validPort(RemotePort) && RemotePort ? quint16(RemotePort) : 9);
        if (probe.waitForConnected(200) && !probe.localAddress().isNull())
            return dotted(probe.localAddress());
    }
    for (const QHostAddress& address : QNetworkInterface::allAddresses()) {
        if (address.protocol() == QAbstractSocket::IPv4Protocol && !address.isLoopback())
            return address.toString();
    }
    return QStringLiteral("127.0.0.1");
}

SocketResult Winsock::Listen()
{
    if (!m_listener)
        return wrongState();
    if (m_state != sckClosed)
        return invalidOperation();
    if (!validPort(LocalPort))
        return invalidPort();
    const SocketResult listening = m_listener->listen(quint16(LocalPort));
    if (listening.ok())
        m_state = sckListening;
    return listening;
}

SocketResult Winsock::Accept(long requestID)
{
    if (!m_listener)
        return wrongState();
    if (m_state != sckClosed)
        return invalidOperation();
    QTcpSocket* socket = m_listener->take(requestID);
    if (!socket)
        return {sckInvalidArg, tr("The request is no longer pending")};
    ++m_generation;
    m_state = sckConnected;
    m_stream->adopt(socket, WinsockListener::peerOf(socket));
    return Ok;
}

SocketResult Winsock::Connect(const QString& remoteHost, long remotePort)
{
    RemoteHost = remoteHost;
    RemotePort = remotePort;
    return Connect();
}

SocketResult Winsock::Connect()
{
    if (!m_stream)
        return wrongState();
    if (m_state != sckClosed)
        return invalidOperation();
    if (!validPort(RemotePort) || RemotePort == 0)
        return invalidPort();
    ++m_generation;
    m_state = sckConnecting;
    m_stream->connectTo(RemoteHost, quint16(RemotePort));
    return Ok;
}

SocketResult Winsock::SendData(qint16 value)
{
    if (!m_stream || m_state != sckConnected)
        return wrongState();
    return m_stream->send(value);
}

bool Winsock::GetData(qint16& value)
{
    return m_stream && m_stream->take(value);
}

SocketResult Winsock::SendData(const QString& text)
{
    if (!m_datagrams)
        return wrongState();
    if (!validPort(RemotePort) || RemotePort == 0)
        return invalidPort();
    // Characters outside Latin-1 go out as "?".
    const QByteArray payload = text.toLatin1();
    if (payload.size() > MaxDatagram)
        return describe(QAbstractSocket::DatagramTooLargeError);
    if (m_state == sckClosed) {
        if (!validPort(LocalPort))
            return invalidPort();
        const SocketResult bound = m_datagrams->bind(quint16(LocalPort));
        if (!bound.ok())
            return bound;
        ++m_generation;
        m_state = sckOpen;
    }
    m_datagrams->send(payload);
    return Ok;
}

bool Winsock::GetData(QString& text)
{
    return m_datagrams && m_datagrams->take(text);
}

void Winsock::Close()
{
    ++m_generation;
    if (m_listener)
        m_listener->close();
    if (m_stream)
        m_stream->close();
    if (m_datagrams)
        m_datagrams->close();
    m_state = sckClosed;
}
