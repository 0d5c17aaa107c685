#include "Winsock.h"

#include "Address.h"
#include "EventGate.h"
#include "WinsockDatagrams.h"

#include <QHostAddress>
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
// a modal box or a waiting sound holds them. Beyond this amount, what it
// sends stays with the network instead of piling up here, which slows the
// peer down.
constexpr qint64 MaxPendingBytes = 4096;

// What a stream may hold that the kernel has not taken. Every message is two
// bytes and the peer answers each one, so a peer that lets this fill is not
// reading: its connection fails rather than grow the game without end.
constexpr qint64 MaxUnsentBytes = 65536;

// A listener that cannot accept (no descriptor left) tries again after this
// pause instead of at once.
constexpr int AcceptRetryMs = 1000;

SocketResult invalidOperation()
{
    return {Winsock::sckInvalidOp, QStringLiteral("Invalid operation at current state")};
}

SocketResult wrongState()
{
    return {Winsock::sckBadState,
            QStringLiteral("Wrong protocol or connection state for the requested transaction or request")};
}

SocketResult invalidPort()
{
    return {Winsock::sckInvalidPropertyValue, QStringLiteral("Invalid port number")};
}

bool validPort(long port)
{
    return port >= 0 && port <= 65535;
}

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
    if (protocol == sckUDPProtocol)
        m_datagrams = std::make_unique<WinsockDatagrams>(*this);
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
        return {sckConnectionRefused, QStringLiteral("Connection is forcefully rejected")};
    case QAbstractSocket::RemoteHostClosedError:
        return {sckConnectionReset, QStringLiteral("The connection is reset by remote side")};
    case QAbstractSocket::HostNotFoundError:
        return {sckHostNotFound, QStringLiteral("Authoritative answer: Host not found")};
    case QAbstractSocket::SocketAccessError:
        return {sckPermissionDenied, QStringLiteral("Permission denied")};
    case QAbstractSocket::SocketResourceError:
        return {sckNoBufferSpace, QStringLiteral("No buffer space is available")};
    case QAbstractSocket::SocketTimeoutError:
        return {sckTimedout, QStringLiteral("Connection is timed out")};
    case QAbstractSocket::DatagramTooLargeError:
        return {sckMsgTooBig, QStringLiteral("The datagram is too large to fit into the buffer and is truncated")};
    case QAbstractSocket::NetworkError:
        return {sckNetworkUnreachable, QStringLiteral("Network is unreachable")};
    case QAbstractSocket::AddressInUseError:
        return {sckAddressInUse, QStringLiteral("Address in use")};
    case QAbstractSocket::SocketAddressNotAvailableError:
        return {sckAddressNotAvailable, QStringLiteral("Address not available from the local machine")};
    case QAbstractSocket::UnsupportedSocketOperationError:
        return {sckUnsupported, QStringLiteral("Unsupported operation")};
    case QAbstractSocket::UnfinishedSocketOperationError:
        return {sckInProgress, QStringLiteral("Operation is now in progress")};
    default:
        return {sckNetworkSubsystemFailed,
                qtText.isEmpty() ? QStringLiteral("Network subsystem is failed") : qtText};
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
        return {sckInvalidArg, QStringLiteral("The request is no longer pending")};
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
        fail(describe(error, socket->errorString()));
    });
}

void Winsock::onStreamReadyRead()
{
    // Bytes that come in while a handler raised from here waits in a nested
    // event loop raise no second readyRead, so they are taken up here once
    // that handler has returned, unless it closed the connection.
    QTcpSocket* const socket = m_stream;
    while (socket && m_stream == socket && socket->bytesAvailable() > 0
           && m_received.pendingBytes() < MaxPendingBytes) {
        m_received.append(socket->read(MaxPendingBytes - m_received.pendingBytes()));
        announceValues(socket);
    }
}

// One event per complete value; half a value waits for its other byte. A
// handler that runs at once reads its value from the buffer, so the count of
// complete values is taken afresh after every event.
void Winsock::announceValues(const QTcpSocket* socket)
{
    while (m_stream == socket && m_valuesAnnounced < m_received.completeValues()) {
        ++m_valuesAnnounced;
        raise([this] { emit DataArrival(long(m_received.pendingBytes())); });
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
        m_received.append(socket->readAll());
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
    const QByteArray bytes = Wire::encode(value);
    if (socket->write(bytes) != bytes.size())
        return describe(socket->error(), socket->errorString());
    m_bytesQueued += bytes.size();
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
    fail(describe(QAbstractSocket::SocketResourceError));
}

bool Winsock::GetData(qint16& value)
{
    const std::optional<qint16> next = m_received.next();
    if (!next)
        return false;
    value = *next;
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
        onStreamReadyRead();
    }, Qt::QueuedConnection);
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
    if (m_datagrams)
        m_datagrams->close();
    m_received.clear();
    m_valuesAnnounced = 0;
    m_sendEnds.clear();
    m_state = sckClosed;
}
