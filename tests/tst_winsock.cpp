// The socket component over loopback: the two-byte encoding of stream values,
// their delivery, the errors it raises and reports, what a close leaves
// undelivered, and datagrams.

#include "EventGate.h"
#include "Winsock.h"

#include <QNetworkDatagram>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

namespace {

constexpr quint16 GamePort = 6431;
constexpr quint16 ChatPort = 6432;

// Records every event of one socket as text ("Connected", "Error 10061",
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
        QObject::connect(&socket, &Winsock::Connected, [this] { events << QStringLiteral("Connected"); });
        QObject::connect(&socket, &Winsock::Closed, [this] { events << QStringLiteral("Closed"); });
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

QByteArray littleEndian(qint16 value)
{
    return QByteArray(1, char(quint16(value) & 0xFF)) + char(quint16(value) >> 8);
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
    void valuesGoOutLeastSignificantByteFirst()
    {
        Probe host;
        QTcpSocket client;
        acceptPlainClient(host, client);

        QSignalSpy completions(&host.socket, &Winsock::SendComplete);
        for (const qint16 value : {qint16(0x1234), qint16(-1), qint16(99), qint16(-7)})
            QVERIFY(host.socket.SendData(value).ok());
        QTRY_COMPARE(client.bytesAvailable(), 8);
        QCOMPARE(client.readAll(), QByteArray::fromHex("3412ffff6300f9ff"));
        QTRY_COMPARE(completions.count(), 4);
    }

    void splitAndBatchedValuesArriveOnceEachInOrder()
    {
        Probe host;
        QTcpSocket client;
        acceptPlainClient(host, client);

        // Half a value waits for its other byte.
        client.write(QByteArray::fromHex("34"));
        client.flush();
        QTest::qWait(150);
        QCOMPARE(host.events, QStringList{});
        client.write(QByteArray::fromHex("12"));
        QTRY_COMPARE(host.events, QStringList{QStringLiteral("Value 4660")});

        // Many values in one write, the last one split over two writes, then
        // one more on its own: none may be lost, doubled or reordered.
        host.events.clear();
        QStringList expected;
        QByteArray batch;
        for (qint16 value = -20; value < 30; ++value) {
            batch += littleEndian(value);
            expected << QStringLiteral("Value %1").arg(value);
        }
        client.write(batch.chopped(1));
        client.flush();
        QTest::qWait(100);
        client.write(batch.right(1) + littleEndian(-1));
        expected << QStringLiteral("Value -1");
        QTRY_COMPARE(host.events.size(), expected.size());
        QTest::qWait(100);
        QCOMPARE(host.events, expected);
    }

    // A handler that waits (a modal box, a waiting sound) while the next value
    // comes in: that value is announced once the handler has returned.
    void valueArrivingWhileItsHandlerWaitsIsAnnouncedAfter()
    {
        Probe host;
        QTcpSocket client;
        acceptPlainClient(host, client);
        bool waited = false;
        connect(&host.socket, &Winsock::DataArrival, this, [&](long) {
            if (waited)
                return;
            waited = true;
            EventGate::Hold hold;
            client.write(littleEndian(-6));
            QTest::qWait(200);
        });
        client.write(littleEndian(12));
        QTRY_COMPARE(host.events, (QStringList{QStringLiteral("Value 12"), QStringLiteral("Value -6")}));
    }

    // A peer that floods while the handlers are held cannot make the
    // component hold more than a bounded backlog; nothing is lost or reordered.
    void floodWhileHeldStaysBoundedAndArrivesWhole()
    {
        Probe host;
        QTcpSocket client;
        acceptPlainClient(host, client);
        constexpr int Values = 50000;
        QByteArray flood;
        for (int n = 0; n < Values; ++n)
            flood += littleEndian(qint16(n % 30000));
        std::size_t mostPending = 0;
        {
            EventGate::Hold hold;
            client.write(flood);
            for (int wait = 0; wait < 50; ++wait) {
                QTest::qWait(10);
                mostPending = std::max(mostPending, EventGate::instance().pending());
            }
        }
        QVERIFY(mostPending > 0);
        QVERIFY2(mostPending <= 4096, QByteArray::number(qulonglong(mostPending)));
        QTRY_COMPARE_WITH_TIMEOUT(host.events.size(), Values, 20000);
        for (int n : {0, 1, 2047, 2048, 29999, 30000, Values - 1})
            QCOMPARE(host.events[n], QStringLiteral("Value %1").arg(n % 30000));
    }

    void refusedConnectRaisesTheErrorEvent()
    {
        Probe guest;
        QVERIFY(guest.socket.Connect(QStringLiteral("127.0.0.1"), GamePort).ok());
        QTRY_COMPARE(guest.events, QStringList{QStringLiteral("Error 10061")});
        QVERIFY(guest.socket.State() != Winsock::sckClosed);
        guest.socket.Close();
        QCOMPARE(guest.socket.State(), short(Winsock::sckClosed));
    }

    // A port in use, or listening twice, is reported by the call itself.
    void refusedListenIsReportedAtOnce()
    {
        QTcpServer occupant;
        QVERIFY(occupant.listen(QHostAddress::AnyIPv4, GamePort));
        Probe host;
        host.socket.LocalPort = GamePort;
        const SocketResult refused = host.socket.Listen();
        QCOMPARE(refused.number, int(Winsock::sckAddressInUse));
        QVERIFY(!refused.description.isEmpty());
        QCOMPARE(host.socket.State(), short(Winsock::sckClosed));

        occupant.close();
        QVERIFY(host.socket.Listen().ok());
        QCOMPARE(host.socket.Listen().number, int(Winsock::sckInvalidOp));
        QCOMPARE(host.socket.State(), short(Winsock::sckListening));
    }

    void eventsRaisedBeforeCloseAreNeverDelivered()
    {
        Probe host;
        QTcpSocket client;
        acceptPlainClient(host, client);
        {
            EventGate::Hold hold;
            client.write(littleEndian(5));
            client.disconnectFromHost();
            QTRY_COMPARE(EventGate::instance().pending(), std::size_t(2));
            host.socket.Close();
        }
        QTest::qWait(150);
        QCOMPARE(host.events, QStringList{});
        QCOMPARE(EventGate::instance().pending(), std::size_t(0));
    }

    void datagramsBindOnFirstSendAndCarryLatin1()
    {
        QUdpSocket peer;
        QVERIFY(peer.bind(QHostAddress::LocalHost, ChatPort));

        Probe chat(Winsock::sckUDPProtocol);
        chat.socket.RemoteHost = QStringLiteral("127.0.0.1");
        chat.socket.RemotePort = ChatPort;
        chat.socket.LocalPort = ChatPort + 1;
        QCOMPARE(chat.socket.State(), short(Winsock::sckClosed));
        QVERIFY(chat.socket.SendData(QStringLiteral("Gr\u00fc\u00dfe, \u00ff!")).ok());
        QCOMPARE(chat.socket.State(), short(Winsock::sckOpen));

        QTRY_VERIFY(peer.hasPendingDatagrams());
        const QNetworkDatagram sent = peer.receiveDatagram();
        QCOMPARE(sent.data(), QByteArray("Gr\xfc\xdf" "e, \xff!"));
        QCOMPARE(sent.senderPort(), int(ChatPort + 1));

        peer.writeDatagram(QByteArray("caf\xe9"), QHostAddress::LocalHost, ChatPort + 1);
        QTRY_COMPARE(chat.events, QStringList{QStringLiteral("Text caf\u00e9")});
    }
};

QTEST_GUILESS_MAIN(WinsockTest)
#include "tst_winsock.moc"
