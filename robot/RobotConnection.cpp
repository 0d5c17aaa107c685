// SPDX-License-Identifier: GPL-3.0-or-later
// The robot's side of the network: listening or joining, one connection at
// a time, what it reads and writes, and how a connection ends.

#include "RobotSession.h"

#include "Address.h"
#include "Ports.h"

#include <QHostAddress>
#include <QStringList>
#include <QTcpSocket>

#include <utility>

namespace Robot {

namespace {

// What a connection may hold that the kernel has not taken, as in the game:
// every answer is two bytes and a peer that reads them never lets this fill,
// so one that does is not reading and is let go rather than grow the robot.
constexpr qint64 MaxUnsentBytes = 65536;

// What is read from the network at a time, so that a flood is taken in
// steps of this size rather than all at once.
constexpr qint64 ReadBatchBytes = 65536;

QString fleetLine(SquareSet squares)
{
    QStringList tiles;
    squares.forEach([&](int square) { tiles << QString::number(square); });
    return QStringLiteral("fleet: ") + tiles.join(u' ');
}

} // namespace

void RobotSession::listen()
{
    if (m_server.listen(QHostAddress::AnyIPv4, GamePort)) {
        emit logged(QStringLiteral("listening on %1").arg(GamePort));
        return;
    }
    const QString reason =
        QStringLiteral("cannot listen on %1: %2").arg(GamePort).arg(m_server.errorString());
    // Between matches the port may be taken for a moment; at the start it
    // is a mistake that the user has to see.
    if (m_matches == 0) {
        emit failed(reason);
        return;
    }
    emit logged(QStringLiteral("error ") + reason);
    m_retryTimer.start();
}

// The game stops listening once it has accepted a guest, so a third copy
// that tries to join finds no listener; the robot does the same.
void RobotSession::onNewConnection()
{
    QTcpSocket* socket = m_server.nextPendingConnection();
    while (m_server.hasPendingConnections())
        delete m_server.nextPendingConnection();
    m_server.close();
    if (!socket)
        return;
    bHost = true;
    beginMatch(socket);
}

void RobotSession::join()
{
    if (!m_joinAnnounced) {
        emit logged(QStringLiteral("connecting to ") + m_settings.address);
        m_joinAnnounced = true;
    }
    auto* socket = new QTcpSocket(this);
    const quint64 connection = ++m_connection;
    connect(socket, &QTcpSocket::connected, this, [this, socket, connection] {
        if (connection != m_connection)
            return;
        socket->disconnect(this);
        m_joinAnnounced = false;
        m_retrying = false;
        bHost = false;
        beginMatch(socket);
    });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket, connection] {
        if (connection != m_connection)
            return;
        socket->disconnect(this);
        socket->deleteLater();
        onJoinFailed(socket->errorString());
    });
    socket->connectToHost(m_settings.address, GamePort, QIODevice::ReadWrite,
                          QAbstractSocket::IPv4Protocol);
}

void RobotSession::onJoinFailed(const QString& reason)
{
    if (!m_settings.wait && m_matches == 0) {
        emit failed(QStringLiteral("cannot join %1: %2").arg(m_settings.address, reason));
        return;
    }
    if (!m_retrying) {
        emit logged(QStringLiteral("waiting for ") + m_settings.address);
        m_retrying = true;
    }
    m_retryTimer.start();
}

void RobotSession::beginMatch(QTcpSocket* socket)
{
    m_socket = socket;
    ++m_connection;
    socket->setParent(this);
    // Nagle off: every message is two bytes and the peer waits for it.
    socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    socket->setReadBufferSize(ReadBatchBytes);
    // The kernel need not hold more for a peer that reads nothing than the
    // robot would: with two bytes a message, this is plenty for one that reads.
    socket->setSocketOption(QAbstractSocket::SendBufferSizeSocketOption, MaxUnsentBytes);
    connect(socket, &QTcpSocket::readyRead, this, &RobotSession::onReadyRead);
    connect(socket, &QTcpSocket::disconnected, this, [this] { endConnection(QString()); });
    connect(socket, &QTcpSocket::errorOccurred, this, [this, socket](QAbstractSocket::SocketError error) {
        // The peer's close is reported by `disconnected`.
        if (error != QAbstractSocket::RemoteHostClosedError)
            endConnection(socket->errorString());
    });

    m_reader.clear();
    m_board = {};
    bReady = bOppReady = bGameOn = bStartPending = bMyTurn = bCanShoot = false;
    iHitCount = 0;
    m_shotInFlight = -1;
    m_started = m_won = m_lost = false;

    m_idleTimer.start();
    emit logged(QStringLiteral("connected to ") + dotted(socket->peerAddress()));
    m_fleet = randomFleet(m_rng);
    emit logged(fleetLine(m_fleet.squares));
    declareReady();
    // Bytes that came with the connection itself.
    if (m_socket == socket && socket->bytesAvailable() > 0)
        onReadyRead();
}

void RobotSession::onReadyRead()
{
    const quint64 connection = m_connection;
    QTcpSocket* const socket = m_socket;
    if (!socket)
        return;
    m_reader.append(socket->readAll());
    // The answers to what was read leave together once it is all dispatched:
    // one write for a flood rather than one for each of its values.
    m_answering = true;
    while (connection == m_connection) {
        const std::optional<qint16> value = m_reader.next();
        if (!value)
            break;
        dispatch(*value);
    }
    m_answering = false;
    if (connection != m_connection)
        return;
    deliver();
    // The peer's silence counts from here: the time the robot took to answer
    // is not the peer's.
    if (m_socket)
        m_idleTimer.start();
}

// The end of a connection, whoever ended it; `why` is empty for a close.
void RobotSession::endConnection(const QString& why)
{
    if (!m_socket)
        return;
    QTcpSocket* const socket = std::exchange(m_socket, nullptr);
    ++m_connection;
    socket->disconnect(this);
    // The answers of the last read go with it, as far as the kernel takes them.
    socket->flush();
    socket->close();
    socket->deleteLater();
    m_shotTimer.stop();
    m_idleTimer.stop();
    if (!why.isEmpty())
        emit logged(QStringLiteral("error ") + why);
    emit logged(QStringLiteral("closed"));
    ++m_matches;
    m_wins += m_won;
    m_losses += m_lost;
    if (m_settings.games > 0 && m_matches >= m_settings.games) {
        emit logged(summary());
        emit finished();
        return;
    }
    waitForNextMatch();
}

// A guest joins again only after a pause, however the last connection
// ended, so that a host that drops it at once is not called without end.
void RobotSession::waitForNextMatch()
{
    if (m_settings.host)
        listen();
    else
        m_retryTimer.start();
}

void RobotSession::send(qint16 value)
{
    if (!m_socket)
        return;
    m_socket->write(Wire::encode(value));
    if (!m_answering)
        deliver();
}

// Into the kernel now: the peer waits for every value.
void RobotSession::deliver()
{
    m_socket->flush();
    if (m_socket && m_socket->bytesToWrite() > MaxUnsentBytes)
        endConnection(QStringLiteral("No buffer space is available: the peer reads no answers"));
}

} // namespace Robot
