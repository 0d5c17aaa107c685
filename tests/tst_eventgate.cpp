// The process-wide gate: socket events that arrive while a modal box is open
// wait, in arrival order, until the outermost wait has ended and the waiting
// handler has returned.

#include "EventGate.h"
#include "ScriptedToolkit.h"
#include "Toolkit.h"
#include "Winsock.h"

#include <QTcpSocket>
#include <QTest>

class EventGateTest : public QObject {
    Q_OBJECT

private slots:
    void valueDuringModalBoxIsDispatchedAfterItCloses()
    {
        ScriptedToolkit toolkit;
        Winsock host(Winsock::sckTCPProtocol);
        QStringList events;
        connect(&host, &Winsock::ConnectionRequest, this, [&](long requestID) {
            host.Close();
            QVERIFY(host.Accept(requestID).ok());
        });
        connect(&host, &Winsock::DataArrival, this, [&](long) {
            qint16 value = 0;
            events << (host.GetData(value) ? QStringLiteral("Value %1").arg(value) : QStringLiteral("Nothing"));
        });
        connect(&host, &Winsock::Closed, this, [&] { events << QStringLiteral("Closed"); });
        host.LocalPort = 6431;
        QVERIFY(host.Listen().ok());
        QTcpSocket peer;
        peer.connectToHost(QHostAddress::LocalHost, 6431);
        QTRY_COMPARE(host.State(), short(Winsock::sckConnected));

        toolkit.whileOpen = [&](const QString&) {
            peer.write(QByteArray::fromHex("0700"));
            peer.write(QByteArray::fromHex("fbff"));
            peer.disconnectFromHost();
            QTRY_COMPARE(EventGate::instance().pending(), std::size_t(3));
        };
        QCOMPARE(Toolkit::MsgBox(QStringLiteral("Waiting")), int(Toolkit::vbOK));
        // The handler that showed the box still runs: nothing yet.
        QCOMPARE(events, QStringList{});
        QTRY_COMPARE(events, (QStringList{QStringLiteral("Value 7"), QStringLiteral("Value -5"),
                                          QStringLiteral("Closed")}));
    }

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
};

QTEST_MAIN(EventGateTest)
#include "tst_eventgate.moc"
