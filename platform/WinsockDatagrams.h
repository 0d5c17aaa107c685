// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QObject>
#include <QString>

#include <deque>

class QUdpSocket;
class Winsock;
struct SocketResult;

// The datagram job of the socket component (the chat): each payload goes out
// as one datagram to the component's RemoteHost and RemotePort; whole
// datagrams come in, from that host only. A host name is looked up in the
// background while what is sent meanwhile waits for it.
class WinsockDatagrams final : public QObject {
public:
    explicit WinsockDatagrams(Winsock& owner);

    // Binds the local port on every IPv4 address; from then on datagrams
    // that arrive there are taken in.
    SocketResult bind(quint16 localPort);
    void send(const QByteArray& payload);
    // The oldest datagram held, as Latin-1 text; false when none is.
    bool take(QString& text);
    void close();
    // The address that the sends to host went to; null when there were none.
    QHostAddress addressOf(const QString& host) const;

private:
    void onReadyRead();
    void write(const QByteArray& payload);
    void lookUpPeer();
    void forgetPeer();

    Winsock& m_owner;
    QUdpSocket* m_socket = nullptr;
    std::deque<QByteArray> m_received;
    bool m_backlogFull = false;
    // Where datagrams go, and the one address that they are taken from; the
    // RemoteHost text it was found for; the lookup of that text while it runs
    // and what was sent meanwhile.
    QHostAddress m_peer;
    QString m_peerName;
    int m_lookup = -1;
    std::deque<QByteArray> m_unresolved;
};
