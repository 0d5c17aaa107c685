// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformExport.h"

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>

#include <functional>
#include <memory>

class WinsockDatagrams;
class WinsockListener;
class WinsockStream;

// The socket component of a window: a stream socket (the game connection) or
// a datagram socket (the chat). Its events are raised on the user-interface
// thread through the process-wide event gate, so a handler that waits in a
// modal box or a waiting sound sees no socket event until it has returned.
//
// Stream values travel as 16-bit integers, two bytes each, least significant
// first. Datagrams carry text as its Latin-1 bytes, nothing added.
//
// No event is ever raised inside the operation that caused it: what a call
// sets off (a connect or a send that the network refuses, a completed send)
// comes from the event loop after the caller's handler has returned.
// Operations that are refused at once (wrong state, a bad port, a port in
// use, an unknown host) return a SocketResult with the error number and
// description instead, so a refused call never touches a connection that
// stands.
struct SocketResult {
    int number = 0;
    QString description;
    bool ok() const { return number == 0; }
};

class PLATFORM_EXPORT Winsock : public QObject {
    Q_OBJECT
public:
    enum Protocol { sckTCPProtocol = 0, sckUDPProtocol = 1 };

    enum State : short {
        sckClosed = 0,
        sckOpen = 1,
        sckListening = 2,
        sckConnectionPending = 3,
        sckResolvingHost = 4,
        sckHostResolved = 5,
        sckConnecting = 6,
        sckConnected = 7,
        sckClosing = 8,
        sckError = 9,
    };

    // The error numbers of the socket control that the game was written against.
    enum ErrorNumber : int {
        sckOutOfMemory = 7,
        sckPermissionDenied = 10013,
        sckInProgress = 10036,
        sckInvalidPropertyValue = 380,
        sckBadState = 40006,
        sckInvalidArg = 40014,
        sckUnsupported = 40018,
        sckInvalidOp = 40020,
        sckWouldBlock = 10035,
        sckMsgTooBig = 10040,
        sckAddressInUse = 10048,
        sckAddressNotAvailable = 10049,
        sckNetworkSubsystemFailed = 10050,
        sckNetworkUnreachable = 10051,
        sckNetReset = 10052,
        sckConnectAborted = 10053,
        sckConnectionReset = 10054,
        sckNoBufferSpace = 10055,
        sckAlreadyConnected = 10056,
        sckNotConnected = 10057,
        sckSocketShutdown = 10058,
        sckTimedout = 10060,
        sckConnectionRefused = 10061,
        sckHostNotFound = 11001,
        sckHostNotFoundTryAgain = 11002,
    };

    explicit Winsock(Protocol protocol, QObject* parent = nullptr);
    ~Winsock() override;

    Protocol protocol() const { return m_protocol; }
    short State() const { return m_state; }

    QString RemoteHost;
    long RemotePort = 0;
    long LocalPort = 0;
    // The peer's address in dotted-decimal form, from the moment of
    // connection on, also once that connection has ended.
    QString RemoteHostIP() const;
    // The local machine's address in dotted-decimal form: on a connection the
    // address of this end, otherwise the address that would reach RemoteHost.
    QString LocalIP() const;

    // Stream: listens on LocalPort; each incoming request raises ConnectionRequest.
    SocketResult Listen();
    // Stream: takes the pending request onto this object (which should be closed).
    SocketResult Accept(long requestID);
    // Stream: starts connecting to RemoteHost:RemotePort; the outcome arrives
    // as Connected or Error.
    SocketResult Connect();
    SocketResult Connect(const QString& remoteHost, long remotePort);
    // Stream: hands one 16-bit value to the kernel; a peer that leaves too
    // much unread fails the connection with Error 10055. Datagram: sends the
    // text as one datagram to RemoteHost:RemotePort, binding LocalPort first
    // when the socket is closed. A host name is looked up in the background;
    // one that does not resolve raises Error 11001. The socket takes
    // datagrams from that host only.
    SocketResult SendData(qint16 value);
    SocketResult SendData(const QString& text);
    // Stream: takes the next complete value. Datagram: takes the next whole
    // datagram as Latin-1 text. False when nothing of that kind is waiting.
    bool GetData(qint16& value);
    bool GetData(QString& text);
    // Closes at once; closing a closed socket does nothing. Events that were
    // raised before the close but not yet delivered are dropped.
    void Close();

    // Maps a Qt socket error to the number and description of an Error event.
    static SocketResult describe(int qtSocketError, const QString& qtText = QString());

    // The largest text that one datagram carries over IPv4.
    static constexpr int MaxDatagram = 65507;

signals:
    void ConnectionRequest(long requestID);
    // The Connect event: the connection attempt has succeeded.
    void Connected();
    void DataArrival(long bytesTotal);
    void SendProgress(long bytesSent, long bytesRemaining);
    void SendComplete();
    // The Close event: the peer has closed the connection.
    void Closed();
    void Error(short Number, const QString& Description);

private:
    // Each job lives in a class of its own: listening and the stream for a
    // stream socket, datagrams for a datagram socket. This class checks each
    // call against the protocol and the state, and raises what the jobs report.
    friend class WinsockDatagrams;
    friend class WinsockListener;
    friend class WinsockStream;

    // Raises an event through the process-wide gate; it is dropped if the
    // socket has been closed or has taken another connection by then.
    void raise(std::function<void()> event);
    // The socket is in error, and says so from the event loop.
    void fail(const SocketResult& failure);

    Protocol m_protocol;
    short m_state = sckClosed;
    quint64 m_generation = 0;
    std::unique_ptr<WinsockListener> m_listener;
    std::unique_ptr<WinsockStream> m_stream;
    std::unique_ptr<WinsockDatagrams> m_datagrams;
};
