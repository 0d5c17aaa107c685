// The process-wide gate: events that arrive while a wait is open wait, in
// arrival order, until the outermost wait has ended and the waiting handler
// has returned. The socket suites drive it with real traffic.

#include "EventGate.h"

#include <QTest>

class EventGateTest : public QObject {
    Q_OBJECT

private slots:
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
