#include "Winsock.h"

#include "EventGate.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QHostInfo>
#include <QNetworkDatagram>
#include <QNetworkInterface>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUdpSocket>

#include <utility>

namespace {

const SocketResult Ok{};

// How long a closed connection may take to hand over what was still queued.
constexpr int LingerMs = 5000;

// A peer can send faster than the handlers take its messages, above all while
// a modal box or a waiting sound holds them. Beyond these amounts, what it
// sends stays with the network instead of piling up here: the stream slows
// the peer down, and the system drops surplus datagrams.
constexpr qint64 MaxPendingBytes = 4096;
constexpr std::size_t MaxPendingDatagrams = 256;

// Each pass of the event loop takes at most this much from a datagram
// socket, so that a flood leaves the window free to answer between passes.
constexpr int DatagramsPerPass = 32;
constexpr qint64 DatagramBytesPerPass = 65536;

// What a stream may hold that the kernel has not taken. Every message is two
// bytes and the peer answers each one, so a peer that lets this fill is not
// reading: its connection fails rather than grow the game without end.
constexpr qint64 MaxUnsentBytes = 65536;

// A listener that cannot accept (no descriptor left) tries again after this
// pause instead of at once.
constexpr int AcceptRetryMs = 1000;

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

// Dotted-decimal text, also for an IPv4 address that Qt holds as IPv6.
QString dotted(const QHostAddress& address)
{
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    return isIPv4 ? QHostAddress(ipv4).toString() : address.toString();
}

// A name's lookup must never hold the window up; meanwhile this many
// datagrams wait for it, and any more are lost, as the network may lose them.
constexpr std::size_t MaxUnresolvedDatagrams = 64;

// Notes each peer's address the moment its connection is accepted: a peer
// that closes at once takes its address with it. A connection waiting for
// its request to be handled reads no more than an accepted one would.
class Listener final : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

    static QString peerOf(const QTcpSocket* socket) { return socket->property(PeerProperty).toString(); }

protected:
    void incomingConnection(qintptr descriptor) override
    {
        auto* socket = new QTcpSocket(this);
        socket->setReadBufferSize(MaxPendingBytes);
        if (!socket->setSocketDescriptor(descriptor)) {
            delete socket;
            return;
        }
        socket->setProperty(PeerProperty, dotted(socket->peerAddress()));
        addPendingConnection(socket);
    }

private:
    static constexpr const char* PeerProperty = "peerAddress";
};

} // namespace

Winsock::Winsock(Protocol protocol, QObject* parent)
    : QObject(parent)
    , m_protocol(protocol)
{
}

Winsock::~Winsock()
{
    Close();
    qDeleteAll(m_requests);
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

QString Winsock::RemoteHostIP() const
{
    if (!m_peerIP.isEmpty())
        return m_peerIP;
    const QHostAddress address(RemoteHost);
    return address.isNull() ? QString() : dotted(address);
}

QString Winsock::LocalIP() const
{
    if (m_stream && m_stream->state() == QAbstractSocket::ConnectedState)
        return dotted(m_stream->localAddress());
    // The address this machine would use towards the peer: connecting a
    // datagram socket sends nothing but chooses the route.
    QHostAddress peer(RemoteHost);
    if (peer.isNull() && RemoteHost == m_datagramPeerName)
        peer = m_datagramPeer;
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
    if (m_protocol != sckTCPProtocol)
        return wrongState();
    if (m_state != sckClosed)
        return invalidOperation();
    if (!validPort(LocalPort))
        return invalidPort();
    auto* server = new Listener(this);
    if (!server->listen(QHostAddress::AnyIPv4, quint16(LocalPort))) {
        const SocketResult failure = describe(server->serverError(), server->errorString());
        delete server;
        return failure;
    }
    // One connection at a time leaves the kernel: the others wait in its
    // backlog until the request before them has been handled.
    server->setMaxPendingConnections(1);
    m_server = server;
    connect(server, &QTcpServer::newConnection, this, &Winsock::onNewConnection);
    connect(server, &QTcpServer::acceptError, this, [server] {
        // A failure such as no descriptor left is tried again later, never
        // in a busy loop.
        server->pauseAccepting();
        QTimer::singleShot(AcceptRetryMs, server, &QTcpServer::resumeAccepting);
    });
    m_state = sckListening;
    return Ok;
}

// The request is taken from the listener only when its event is due, so
// while a handler waits, further connections stay with the kernel.
void Winsock::onNewConnection()
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
        emit ConnectionRequest(requestID);
        // A request that the handler did not accept is refused.
        dropRequest(requestID);
        if (m_server && m_server->hasPendingConnections())
            onNewConnection();
    });
}

void Winsock::dropRequest(long requestID)
{
    if (QTcpSocket* socket = m_requests.take(requestID)) {
        socket->abort();
        socket->deleteLater();
    }
}

SocketResult Winsock::Accept(long requestID)
{
    if (m_protocol != sckTCPProtocol)
        return wrongState();
    if (m_state != sckClosed)
        return invalidOperation();
    QTcpSocket* socket = m_requests.take(requestID);
    if (!socket)
        return {sckInvalidArg, tr("The request is no longer pending")};
    ++m_generation;
    attachStream(socket);
    // Known from the moment of connection, even if the peer has gone since.
    m_peerIP = Listener::peerOf(socket);
    m_state = sckConnected;
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    // Bytes or a close that came before the accept are reported from the
    // event loop, after the accepting handler has returned.
    QMetaObject::invokeMethod(this, [this, socket] {
        if (m_stream != socket)
            return;
        if (socket->state() == QAbstractSocket::UnconnectedState)
            onStreamEnded(socket);
        else
            onStreamReadyRead();
    }, Qt::QueuedConnection);
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
    if (m_protocol != sckTCPProtocol)
        return wrongState();
    if (m_state != sckClosed)
        return invalidOperation();
    if (!validPort(RemotePort) || RemotePort == 0)
        return invalidPort();
    ++m_generation;
    auto* socket = new QTcpSocket(this);
    attachStream(socket);
    m_state = sckConnecting;
    // A connect that fails at once (no route, an address of the wrong kind)
    // raises its Error from the event loop, after the caller's steps.
    const EventGate::Hold laterThanThisCall;
    socket->connectToHost(RemoteHost, quint16(RemotePort), QIODevice::ReadWrite,
                          QAbstractSocket::IPv4Protocol);
    return Ok;
}

void Winsock::attachStream(QTcpSocket* socket)
{
    m_stream = socket;
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
        m_state = sckConnected;
        raise([this] { emit Connected(); });
    });
    connect(socket, &QTcpSocket::readyRead, this, &Winsock::onStreamReadyRead);
    connect(socket, &QTcpSocket::bytesWritten, this, &Winsock::onStreamBytesWritten);
    connect(socket, &QTcpSocket::disconnected, this, [this, socket] { onStreamEnded(socket); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError error) {
        // The peer's orderly close is the Close event, not an error.
        if (error == QAbstractSocket::RemoteHostClosedError && m_state == sckConnected)
            return;
        if (m_state == sckClosing)
            return;
        m_state = sckError;
        const SocketResult failure = describe(error, socket->errorString());
        raise([this, failure] { emit Error(short(failure.number), failure.description); });
    });
}

void Winsock::onStreamReadyRead()
{
    // Bytes that come in while a handler raised from here waits in a nested
    // event loop raise no second readyRead, so they are taken up here once
    // that handler has returned, unless it closed the connection.
    QTcpSocket* const socket = m_stream;
    while (socket && m_stream == socket && socket->bytesAvailable() > 0
           && m_received.size() < MaxPendingBytes) {
        m_received += socket->read(MaxPendingBytes - m_received.size());
        announceValues(socket);
    }
}

// One event per complete value; half a value waits for its other byte. A
// handler that runs at once reads its value from the buffer, so the count of
// complete values is taken afresh after every event.
void Winsock::announceValues(const QTcpSocket* socket)
{
    while (m_stream == socket && m_valuesAnnounced < m_received.size() / 2) {
        ++m_valuesAnnounced;
        raise([this] { emit DataArrival(long(m_received.size())); });
    }
}

// The peer has closed the stream, or reset it. The socket still holds what
// came before the end and reads no more, so the bound has nothing left to
// guard against: all of it is taken now, one read buffer at most, and its
// values are announced ahead of the Close event. Left in the socket, it
// would go with the socket when the handler closes on that event. (A send
// that meets a reset closes the socket, and what it held, before this.)
void Winsock::onStreamEnded(QTcpSocket* socket)
{
    if (m_stream != socket || m_state != sckConnected)
        return;
    m_state = sckClosing;
    if (socket->isReadable())
        m_received += socket->readAll();
    announceValues(socket);
    if (m_stream == socket)
        raise([this] { emit Closed(); });
}

void Winsock::onStreamBytesWritten(qint64 bytes)
{
    m_bytesSent += bytes;
    const qint64 remaining = m_bytesQueued - m_bytesSent;
    const qint64 sent = m_bytesSent;
    raise([this, sent, remaining] { emit SendProgress(long(sent), long(remaining)); });
    while (!m_sendEnds.empty() && m_sendEnds.front() <= m_bytesSent) {
        m_sendEnds.pop_front();
        raise([this] { emit SendComplete(); });
    }
}

SocketResult Winsock::SendData(qint16 value)
{
    if (m_protocol != sckTCPProtocol || !m_stream || m_state != sckConnected)
        return wrongState();
    QTcpSocket* const socket = m_stream;
    const quint16 bits = quint16(value);
    const char bytes[2] = {char(bits & 0xFF), char(bits >> 8)};
    if (socket->write(bytes, 2) != 2)
        return describe(socket->error(), socket->errorString());
    m_bytesQueued += 2;
    m_sendEnds.push_back(m_bytesQueued);
    // The bytes go to the kernel now, not after whatever the caller's
    // handler has posted; what that raises (progress, completion, a broken
    // connection) comes from the event loop.
    const EventGate::Hold laterThanThisCall;
    socket->flush();
    if (m_stream == socket && m_state == sckConnected && socket->bytesToWrite() > MaxUnsentBytes)
        failUnread();
    return Ok;
}

void Winsock::failUnread()
{
    m_stream->disconnect(this);
    m_stream->abort();
    m_state = sckError;
    const SocketResult failure = describe(QAbstractSocket::SocketResourceError);
    raise([this, failure] { emit Error(short(failure.number), failure.description); });
}

bool Winsock::GetData(qint16& value)
{
    if (m_received.size() < 2)
        return false;
    value = qint16(quint16(quint8(m_received[0])) | quint16(quint8(m_received[1])) << 8);
    m_received.remove(0, 2);
    if (m_valuesAnnounced > 0)
        --m_valuesAnnounced;
    if (m_stream && m_stream->bytesAvailable() > 0)
        resumeReading();
    return true;
}

// Takes up what was left with the network once the handlers have made room.
void Winsock::resumeReading()
{
    if (m_resumeScheduled)
        return;
    m_resumeScheduled = true;
    QMetaObject::invokeMethod(this, [this] {
        m_resumeScheduled = false;
        if (m_protocol == sckTCPProtocol)
            onStreamReadyRead();
        else
            onDatagramReadyRead();
    }, Qt::QueuedConnection);
}

SocketResult Winsock::bindDatagram()
{
    if (!validPort(LocalPort))
        return invalidPort();
    auto* socket = new QUdpSocket(this);
    if (!socket->bind(QHostAddress::AnyIPv4, quint16(LocalPort))) {
        const SocketResult failure = describe(socket->error(), socket->errorString());
        delete socket;
        return failure;
    }
    ++m_generation;
    m_datagram = socket;
    m_datagrams.clear();
    connect(socket, &QUdpSocket::readyRead, this, &Winsock::onDatagramReadyRead);
    connect(socket, &QUdpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError error) {
        // A full send buffer loses the datagram, as the network may.
        if (error == QAbstractSocket::TemporaryError)
            return;
        const SocketResult failure = describe(error, socket->errorString());
        m_state = sckError;
        raise([this, failure] { emit Error(short(failure.number), failure.description); });
    });
    m_state = sckOpen;
    return Ok;
}

SocketResult Winsock::SendData(const QString& text)
{
    if (m_protocol != sckUDPProtocol)
        return wrongState();
    if (!validPort(RemotePort) || RemotePort == 0)
        return invalidPort();
    // Characters outside Latin-1 go out as "?".
    const QByteArray payload = text.toLatin1();
    if (payload.size() > MaxDatagram)
        return describe(QAbstractSocket::DatagramTooLargeError);
    if (m_state == sckClosed) {
        const SocketResult bound = bindDatagram();
        if (!bound.ok())
            return bound;
    }
    if (!m_datagram)
        return wrongState();
    if (RemoteHost != m_datagramPeerName) {
        m_datagramPeerName = RemoteHost;
        m_datagramPeer = QHostAddress(RemoteHost);
        if (m_datagramPeer.isNull())
            lookUpDatagramPeer();
    }
    if (m_datagramPeer.isNull()) {
        if (m_unresolved.size() < MaxUnresolvedDatagrams)
            m_unresolved.push_back(payload);
        return Ok;
    }
    writeDatagram(payload);
    return Ok;
}

void Winsock::writeDatagram(const QByteArray& payload)
{
    // A datagram that the network refuses (no route) is reported by the
    // Error event from the event loop, never inside this call.
    const EventGate::Hold laterThanThisCall;
    m_datagram->writeDatagram(payload, m_datagramPeer, quint16(RemotePort));
}

// A host name is looked up by Qt's own resolver threads; what was sent
// meanwhile goes out once the address is known. A name that does not
// resolve is the Error event, like a failure of the network.
void Winsock::lookUpDatagramPeer()
{
    const quint64 generation = m_generation;
    m_datagramLookup = QHostInfo::lookupHost(RemoteHost, this, [this, generation](const QHostInfo& info) {
        m_datagramLookup = -1;
        if (generation != m_generation || !m_datagram)
            return;
        for (const QHostAddress& candidate : info.addresses()) {
            if (candidate.protocol() == QAbstractSocket::IPv4Protocol) {
                m_datagramPeer = candidate;
                break;
            }
        }
        std::deque<QByteArray> waiting;
        waiting.swap(m_unresolved);
        if (m_datagramPeer.isNull()) {
            m_state = sckError;
            const SocketResult failure = describe(QAbstractSocket::HostNotFoundError);
            raise([this, failure] { emit Error(short(failure.number), failure.description); });
            return;
        }
        for (const QByteArray& payload : waiting)
            writeDatagram(payload);
    });
}

void Winsock::forgetDatagramPeer()
{
    if (m_datagramLookup >= 0)
        QHostInfo::abortHostLookup(m_datagramLookup);
    m_datagramLookup = -1;
    m_datagramPeerName.clear();
    m_datagramPeer.clear();
    m_unresolved.clear();
}

void Winsock::onDatagramReadyRead()
{
    QUdpSocket* const socket = m_datagram;
    int taken = 0;
    qint64 bytesTaken = 0;
    while (socket && m_datagram == socket && socket->hasPendingDatagrams()) {
        // A full backlog leaves the rest with the system until GetData makes room.
        if (m_datagrams.size() >= MaxPendingDatagrams) {
            m_datagramBacklogFull = true;
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
        if (!datagram.senderAddress().isEqual(m_datagramPeer, QHostAddress::ConvertV4MappedToIPv4))
            continue;
        ++taken;
        bytesTaken += datagram.data().size();
        m_datagrams.push_back(datagram.data());
        const long size = long(datagram.data().size());
        raise([this, size] { emit DataArrival(size); });
    }
}

bool Winsock::GetData(QString& text)
{
    if (m_protocol != sckUDPProtocol || m_datagrams.empty())
        return false;
    text = QString::fromLatin1(m_datagrams.front());
    m_datagrams.pop_front();
    if (std::exchange(m_datagramBacklogFull, false))
        resumeReading();
    return true;
}

void Winsock::Close()
{
    ++m_generation;
    if (m_server) {
        m_server->close();
        m_server->deleteLater();
        m_server = nullptr;
    }
    if (m_stream) {
        QTcpSocket* socket = m_stream;
        m_stream = nullptr;
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
    if (m_datagram) {
        m_datagram->disconnect(this);
        m_datagram->close();
        m_datagram->deleteLater();
        m_datagram = nullptr;
    }
    forgetDatagramPeer();
    m_received.clear();
    m_datagrams.clear();
    m_datagramBacklogFull = false;
    m_valuesAnnounced = 0;
    m_sendEnds.clear();
    m_state = sckClosed;
}
