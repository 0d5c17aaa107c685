// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Fleet.h"
#include "Wire.h"
#include "strategies/Strategy.h"

#include <QObject>
#include <QString>
#include <QTcpServer>
#include <QTimer>

class QTcpSocket;

namespace Robot {

struct RobotSettings {
    bool host = false;     // listen for guests; otherwise join `address`
    QString address;
    bool wait = false;     // keep trying to join until a game listens
    int games = 0;         // stop after this many matches; 0 never stops
    Strategy strategy = fireDensity;
    int delayMs = 600;     // pause before each shot
    int idleSeconds = 600; // let a peer go that has sent nothing for this long
    std::uint64_t seed = 0;
};

// One copy of the game without its window: it hosts or joins, places a
// random fleet, answers every shot truthfully and plays the ready handshake,
// the host's draw, the turns, victory and defeat as the game does. Every
// event is reported as one line of text.
class RobotSession : public QObject {
    Q_OBJECT

public:
    explicit RobotSession(const RobotSettings& settings, QObject* parent = nullptr);

    // Starts hosting or joining. When hosting cannot listen, or joining
    // without waiting cannot connect, failed() follows.
    void start();
    QString summary() const;

signals:
    void logged(const QString& line);
    // The last match asked for has ended.
    void finished();
    // The session cannot go on; `reason` says why.
    void failed(const QString& reason);

private:
    void listen();
    void join();
    void onNewConnection();
    void onJoinFailed(const QString& reason);
    void beginMatch(QTcpSocket* socket);
    void onReadyRead();
    void endConnection(const QString& why);
    void waitForNextMatch();

    void dispatch(qint16 value);
    void send(qint16 value);
    void deliver();
    void declareReady();
    void opponentReady();
    void sendComplete();
    void startGame();
    void receiveShot(int square);
    void applyShotResult(bool hit, qint16 code);
    bool canFire() const;
    void scheduleShot();
    void fire();

    const RobotSettings m_settings;
    Rng m_rng;
    QTcpServer m_server;
    QTcpSocket* m_socket = nullptr;
    Wire::ValueReader m_reader;
    QTimer m_retryTimer;
    QTimer m_shotTimer;
    QTimer m_idleTimer;
    bool m_joinAnnounced = false;
    bool m_retrying = false;
    bool m_answering = false; // dispatching what was read: answers wait for deliver()
    quint64 m_connection = 0; // counts connections, so late events of an old one are dropped

    // The match on the current connection, with the game's own flags.
    Fleet m_fleet;
    ShotBoard m_board;
    bool bHost = false;
    bool bReady = false;
    bool bOppReady = false;
    bool bGameOn = false;
    bool bStartPending = false;
    bool bMyTurn = false;
    bool bCanShoot = false;
    int iHitCount = 0;
    int m_shotInFlight = -1; // the square fired at whose answer has not come yet
    bool m_started = false;
    bool m_won = false;
    bool m_lost = false;

    // Across matches, for the summary.
    int m_matches = 0;
    int m_wins = 0;
    int m_losses = 0;
    int m_shots = 0;
    int m_garbage = 0;
};

} // namespace Robot
