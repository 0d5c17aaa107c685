// SPDX-License-Identifier: GPL-3.0-or-later
// A minimal Qt echo server: what any Qt program pays to answer a peer from
// its event loop. It sends back every byte it reads, Nagle off, written the
// way a Qt program ordinarily writes (the socket's buffer, sent by the loop).
//   echo_qt port

#include <QCoreApplication>
#include <QTcpServer>
#include <QTcpSocket>

#include <cstdio>

int main(int argc, char* argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: echo_qt port\n");
        return 2;
    }
    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, quint16(QByteArray(argv[1]).toUShort()))) {
        std::fprintf(stderr, "echo_qt: %s\n", qPrintable(server.errorString()));
        return 1;
    }
    QObject::connect(&server, &QTcpServer::newConnection, [&server] {
        while (QTcpSocket* peer = server.nextPendingConnection()) {
            peer->setSocketOption(QAbstractSocket::LowDelayOption, 1);
            QObject::connect(peer, &QTcpSocket::readyRead, peer, [peer] { peer->write(peer->readAll()); });
            QObject::connect(peer, &QTcpSocket::disconnected, peer, &QObject::deleteLater);
        }
    });
    return app.exec();
}
