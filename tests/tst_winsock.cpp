// SPDX-License-Identifier: GPL-3.0-or-later
// The socket component over loopback: the two-byte encoding of stream values
// and their delivery through the event gate, send completions that never run
// inside the call, and the bounds that keep a hostile peer from taking
// memory, descriptors or the event loop. Failures and datagrams are checked through the windows that
// use them (tst_connection, controls_windows); values cut anywhere, written
// while a handler waits, or coming after the window's own close are
// fuzz_match_stream's.

#include "EventGate.h"
#include "Ports.h"
#include "Winsock.h"
#include "Wire.h"

#include <QDir>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

#include <sys/socket.h>

namespace {

// Records the events of one socket as text ("Sent", "Error 10055",
// "Value -1") and, like the game, reads each value as its event arrives and
// takes each connection request onto the listening object itself.
struct Probe {
    Winsock socket;
    QStringList events;

    explicit Probe(Winsock::Protocol protocol = Winsock::sckTCPProtocol)
        : socket(protocol)
    {
        QObject::connect(&socket, &Winsock::ConnectionRequest, [this](long requestID) {
            socket.Close();
            events << (socket.Accept(requestID).ok() ? QStringLiteral("Accepted") : QStringLiteral("Accept failed"));
        });
        QObject::connect(&socket, &Winsock::Closed, [this] { events << QStringLiteral("Closed"); });
        QObject::connect(&socket, &Winsock::SendComplete, [this] { events << QStringLiteral("Sent"); });
        QObject::connect(&socket, &Winsock::Error,
                         [this](short number, const QString&) { events << QStringLiteral("Error %1").arg(number); });
        QObject::connect(&socket, &Winsock::DataArrival, [this](long) {
            QString text;
            qint16 value = 0;
            if (socket.protocol() == Winsock::sckUDPProtocol)
                events << (socket.GetData(text) ? QStringLiteral("Text ") + text : QStringLiteral("Nothing"));
            else
                events << (socket.GetData(value) ? QStringLiteral("Value %1").arg(value) : QStringLiteral("Nothing"));
        });
    }
};

int openDescriptors()
{
    return int(QDir(QStringLiteral("/proc/self/fd")).entryList(QDir::Files | QDir::System).size());
}

} // namespace

class WinsockTest : public QObject {
    Q_OBJECT

    // A listening component with a plain client connected to it and accepted.
    void acceptPlainClient(Probe& host, QTcpSocket& client)
    {
        host.socket.LocalPort = GamePort;
        QVERIFY(host.socket.Listen().ok());
        client.connectToHost(QHostAddress::LocalHost, GamePort);
        QTRY_COMPARE(host.events, QStringList{QStringLiteral("Accepted")});
        QTRY_COMPARE(client.state(), QAbstractSocket::ConnectedState);
        host.events.clear();
    }

private slots:
    // The process-wide gate itself: events that arrive while a wait is open
    // wait, in arrival order, until the outermost wait has ended.
    void nestedWaitsReleaseOnlyAtTheOutermostEnd()
    {
        QObject receiver;
        auto doomed = std::make_unique<QObject>();
        QStringList ran;
        auto event = [&](const QString& name) { return [&ran, name] { ran << name; }; };
        {
            EventGate::Hold outer;
            EventGate::instance().deliver(&receiver, event(QStringLiteral("first")));
            {
                EventGate::Hold inner;
                EventGate::instance().deliver(doomed.get(), event(QStringLiteral("doomed")));
                EventGate::instance().deliver(&receiver, event(QStringLiteral("second")));
            }
            QCoreApplication::processEvents();
            QCOMPARE(ran, QStringList{});
            EventGate::instance().deliver(&receiver, event(QStringLiteral("third")));
            // The events of a receiver destroyed meanwhile are dropped.
            doomed.reset();
        }
        QCOMPARE(ran, QStringList{});
        QTRY_COMPARE(ran, (QStringList{QStringLiteral("first"), QStringLiteral("second"), QStringLiteral("third")}));
        QCOMPARE(EventGate::instance().pending(), std::size_t(0));

        // With the gate open and nothing waiting, an event runs at once.
        EventGate::instance().deliver(&receiver, event(QStringLiteral("now")));
        QCOMPARE(ran.last(), QStringLiteral("now"));
    }

    // The bytes reach the kernel inside SendData; its completion is an event
    // that follows from the event loop.
    void valuesLeaveAtOnceLeastSignificantByteFirst()
    {
        Probe host;
        QTcpSocket client;
        acceptPlainClient(host, client);

        for (const qint16 value : {qint16(0x1234), qint16(-1), qint16(99), qint16(-7)})
            QVERIFY(host.socket.SendData(value).ok());
        QVERIFY(client.waitForReadyRead(5000));
        while (client.bytesAvailable() < 8 && client.waitForReadyRead(1000)) {
        }
        QCOMPARE(client.readAll(), QByteArray::fromHex("3412ffff6300f9ff"));
        QCOMPARE(host.events, QStringList{});
        QTRY_COMPARE(host.events, QStringList(4, QStringLiteral("Sent")));
    }

    void backlogThenCloseArrivesWholeBeforeTheClose_data()
    {
        QTest::addColumn<int>("values");
        QTest::addColumn<bool>("reset");
        for (int values : {2048, 2049, 3000, 4095, 4096, 100000})
            QTest::addRow("%d values, closed", values) << values << false;
        QTest::newRow("3000 values, reset") << 3000 << true;
    }

    // A peer that writes while the handlers are held, then closes or resets:
    // every value comes once, in order, before the Close event, however far
    // the backlog goes past the component's bound. Meanwhile the component
    // holds no more than its own buffer and, once the peer has closed, the
    // socket's.
    void backlogThenCloseArrivesWholeBeforeTheClose()
    {
        QFETCH(int, values);
        QFETCH(bool, reset);
        Probe host;
        QTcpSocket client;
        acceptPlainClient(host, client);
        QByteArray backlog;
        QStringList expected;
        for (int n = 0; n < values; ++n) {
            backlog += Wire::encode(qint16(n % 30000));
            expected << QStringLiteral("Value %1").arg(n % 30000);
        }
        expected << QStringLiteral("Closed");
        {
            EventGate::Hold hold;
            client.write(backlog);
            client.flush();
            if (reset) {
                QTest::qWait(100);
                const linger abrupt{1, 0};
                ::setsockopt(int(client.socketDescriptor()), SOL_SOCKET, SO_LINGER, &abrupt, sizeof abrupt);
                client.abort();
            }
            client.disconnectFromHost();
            // Beyond what the kernel buffers, the peer closes only once the hold has ended.
            QVERIFY(QTest::qWaitFor([&] { return client.state() == QAbstractSocket::UnconnectedState; }, 1000)
                    || values > 4096);
            QTest::qWait(200);
            QVERIFY2(EventGate::instance().pending() <= 4096 + 1, QByteArray::number(qulonglong(EventGate::instance().pending())));
        }
        QTRY_COMPARE_WITH_TIMEOUT(host.events.size(), expected.size(), 20000);
        QTest::qWait(100);
        QCOMPARE(host.events, expected);
    }

    // Answers to a peer that never reads pile up only to a bound: then the
    // connection fails with "no buffer space" and holds nothing more.
    void unreadAnswersEndTheConnection()
    {
        const int peer = ::socket(AF_INET, SOCK_STREAM, 0);
        const int small = 4096;
        ::setsockopt(peer, SOL_SOCKET, SO_RCVBUF, &small, sizeof small);
        QTcpSocket client;
        QVERIFY(client.setSocketDescriptor(peer, QAbstractSocket::UnconnectedState));
        Probe host;
        acceptPlainClient(host, client);

        int sends = 0;
        while (host.socket.SendData(qint16(sends % 100)).ok() && ++sends < 4000000) {
            if (sends % 50000 == 0)
                QCoreApplication::processEvents();
        }
        QVERIFY2(sends < 4000000, "the component kept every unread answer");
        QTRY_VERIFY(host.events.contains(QStringLiteral("Error 10055")));
        QCOMPARE(host.events.count(QStringLiteral("Error 10055")), 1);
        QCOMPARE(host.socket.SendData(qint16(1)).number, int(Winsock::sckBadState));
        host.socket.Close();
        QCOMPARE(host.socket.State(), short(Winsock::sckClosed));
    }

    // While events are held, connections wait in the kernel's backlog, not
    // in descriptors of the game, and what the one taken from it floods
    // stays with the kernel too; then they come one request at a time. The
    // peer's address stays known when it has already gone.
    void heldListenerLeavesConnectionsWithTheKernel()
    {
        Winsock host(Winsock::sckTCPProtocol);
        host.LocalPort = GamePort;
        QVERIFY(host.Listen().ok());
        QStringList peers;
        connect(&host, &Winsock::ConnectionRequest, this, [&](long requestID) {
            if (peers.isEmpty()) {
                host.Close();
                QVERIFY(host.Accept(requestID).ok());
            }
            peers << host.RemoteHostIP();
        });
        std::vector<std::unique_ptr<QTcpSocket>> guests;
        int descriptors = 0;
        {
            EventGate::Hold hold;
            const int before = openDescriptors();
            for (int n = 0; n < 40; ++n) {
                guests.push_back(std::make_unique<QTcpSocket>());
                guests.back()->connectToHost(QHostAddress::LocalHost, GamePort);
                QVERIFY(guests.back()->waitForConnected(5000));
            }
            guests.front()->write(QByteArray(100000, '\xFE'));
            guests.front()->flush();
            guests.front()->abort();
            QTest::qWait(200);
            descriptors = openDescriptors() - before;
            for (const QTcpSocket* request : host.findChildren<QTcpSocket*>())
                QVERIFY2(request->bytesAvailable() <= 4096, QByteArray::number(request->bytesAvailable()));
            QCOMPARE(peers, QStringList{});
        }
        // The guests' own ends, and one connection taken from the kernel.
        QVERIFY2(descriptors <= int(guests.size()) + 1, QByteArray::number(descriptors));
        QTRY_COMPARE(peers, QStringList{QStringLiteral("127.0.0.1")});
        QTest::qWait(100);
        QCOMPARE(peers.size(), 1);
    }

    // However fast datagrams come, the event loop gets its turn after a
    // bounded handful: a marker that posts itself again sees few between runs.
    void datagramFloodLeavesTheEventLoopItsTurn()
    {
        Probe chat(Winsock::sckUDPProtocol);
        chat.socket.RemoteHost = QStringLiteral("127.0.0.1");
        chat.socket.RemotePort = ChatPort;
        chat.socket.LocalPort = ChatPort;
        QVERIFY(chat.socket.SendData(QString()).ok());
        QTRY_COMPARE(chat.events.size(), 1);
        QUdpSocket peer;
        {
            EventGate::Hold hold;
            for (int n = 0; n < 200; ++n)
                peer.writeDatagram(QByteArray::number(n), QHostAddress::LocalHost, ChatPort);
        }
        qsizetype seen = chat.events.size();
        qsizetype mostBetweenMarkers = 0;
        std::function<void()> marker = [&] {
            mostBetweenMarkers = std::max(mostBetweenMarkers, chat.events.size() - seen);
            seen = chat.events.size();
            if (chat.events.size() < 100)
                QMetaObject::invokeMethod(this, marker, Qt::QueuedConnection);
        };
        QMetaObject::invokeMethod(this, marker, Qt::QueuedConnection);
        QTRY_VERIFY(chat.events.size() >= 100);
        QVERIFY2(mostBetweenMarkers <= 32, QByteArray::number(mostBetweenMarkers));
    }
};

QTEST_GUILESS_MAIN(WinsockTest)
#include "tst_winsock.moc"
