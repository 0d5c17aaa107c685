#include "RobotSession.h"

#include "Address.h"
#include "MessageCodes.h"
#include "Ports.h"

#include <QHostAddress>
#include <QStringList>
#include <QTcpSocket>

#include <utility>

using namespace MessageCodes;

namespace Robot {

namespace {

constexpr int RetryMs = 1000;

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

RobotSession::RobotSession(const RobotSettings& settings, QObject* parent)
    : QObject(parent)
    , m_settings(settings)
    , m_rng(settings.seed)
{
    m_retryTimer.setSingleShot(true);
    m_retryTimer.setInterval(RetryMs);
    connect(&m_retryTimer, &QTimer::timeout, this, [this] { m_settings.host ? listen() : join(); });
    m_shotTimer.setSingleShot(true);
    connect(&m_shotTimer, &QTimer::timeout, this, &RobotSession::fire);
    m_idleTimer.setSingleShot(true);
    m_idleTimer.setInterval(settings.idleSeconds * 1000);
    connect(&m_idleTimer, &QTimer::timeout, this, [this] {
        endConnection(QStringLiteral("idle: nothing received for %1 s").arg(m_settings.idleSeconds));
    });
    connect(&m_server, &QTcpServer::newConnection, this, &RobotSession::onNewConnection);
}

void RobotSession::start()
{
    if (m_settings.host)
        listen();
    else
        join();
}

QString RobotSession::summary() const
{
    return QStringLiteral("summary: %1 matches, %2 won, %3 lost, %4 abandoned, %5 shots, %6 garbage")
        .arg(m_matches)
        .arg(m_wins)
        .arg(m_losses)
        .arg(m_matches - m_wins - m_losses)
        .arg(m_shots)
        .arg(m_garbage);
}

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

void RobotSession::dispatch(qint16 value)
{
    if (value >= FirstTile && value <= LastTile) {
        receiveShot(value);
        return;
    }
    switch (value) {
    case msgReady:
        // The robot is ready from the moment of connection, so the peer's
        // ready code is always the last one, and the start follows at once,
        // as it does in the game's dispatch.
        emit logged(QStringLiteral("opponent ready"));
        bOppReady = true;
        opponentReady();
        sendComplete();
        return;
    case msgYourTurn:
    case msgEnemyTurn:
        // Only the host draws who shoots first.
        if (bHost) {
            emit logged(QStringLiteral("unexpected %1").arg(value));
            return;
        }
        bMyTurn = bCanShoot = value == msgYourTurn;
        emit logged(bMyTurn ? QStringLiteral("my turn") : QStringLiteral("their turn"));
        startGame();
        scheduleShot();
        return;
    case msgHit:
    case msgMissed:
        applyShotResult(value == msgHit, value);
        return;
    case msgYouLose:
        m_lost = true;
        emit logged(QStringLiteral("lost"));
        // The loser closes the connection; the winner waits for that.
        endConnection(QString());
        return;
    default:
        // Other codes, and values above the last square.
        ++m_garbage;
        emit logged(QStringLiteral("garbage %1").arg(value));
        return;
    }
}

void RobotSession::declareReady()
{
    bReady = true;
    send(msgReady);
    emit logged(QStringLiteral("ready"));
    opponentReady();
}

void RobotSession::opponentReady()
{
    if (bGameOn)
        return;
    if (bReady && bOppReady) {
        bGameOn = true;
        bCanShoot = true;
        bStartPending = true;
    }
}

void RobotSession::sendComplete()
{
    if (bStartPending)
        startGame();
}

void RobotSession::startGame()
{
    bStartPending = false;
    if (!m_started) {
        m_started = true;
        emit logged(QStringLiteral("started"));
    }
    if (!bHost)
        return;
    const float r = std::uniform_real_distribution<float>(0.0f, 1.0f)(m_rng);
    if (r < 0.5f) {
        bMyTurn = false;
        send(msgYourTurn);
        emit logged(QStringLiteral("their turn"));
    } else {
        bMyTurn = true;
        send(msgEnemyTurn);
        emit logged(QStringLiteral("my turn"));
        scheduleShot();
    }
}

// Every shot is answered when it comes, truthfully, and the answer gives
// the turn to this side, as in the game.
void RobotSession::receiveShot(int square)
{
    const bool hit = m_fleet.squares.has(square);
    send(hit ? msgHit : msgMissed);
    emit logged(QStringLiteral("incoming %1 %2").arg(square).arg(hit ? QStringLiteral("hit") : QStringLiteral("miss")));
    bCanShoot = true;
    bMyTurn = true;
    scheduleShot();
}

// An answer that no shot of this side waits for is reported and left
// alone: no square is marked from it.
void RobotSession::applyShotResult(bool hit, qint16 code)
{
    if (m_shotInFlight < 0) {
        emit logged(QStringLiteral("unexpected %1").arg(code));
        return;
    }
    const int square = std::exchange(m_shotInFlight, -1);
    m_board.squares[square] = hit ? Shot::Hit : Shot::Miss;
    emit logged(QStringLiteral("%1 %2").arg(hit ? QStringLiteral("hit") : QStringLiteral("miss")).arg(square));
    bCanShoot = true;
    if (hit && ++iHitCount == FleetSquares) {
        m_won = true;
        send(msgYouLose);
        emit logged(QStringLiteral("won"));
        return;
    }
    scheduleShot();
}

bool RobotSession::canFire() const
{
    return m_socket && bGameOn && bMyTurn && bCanShoot && m_shotInFlight < 0 && !m_won;
}

void RobotSession::scheduleShot()
{
    if (canFire())
        m_shotTimer.start(m_settings.delayMs);
}

void RobotSession::fire()
{
    if (!canFire())
        return;
    const int square = m_settings.strategy(m_board, m_rng);
    if (square < 0) {
        emit logged(QStringLiteral("no square left"));
        return;
    }
    m_shotInFlight = square;
    bMyTurn = false;
    bCanShoot = false;
    ++m_shots;
    emit logged(QStringLiteral("fire %1").arg(square));
    send(qint16(square));
}

} // namespace Robot
