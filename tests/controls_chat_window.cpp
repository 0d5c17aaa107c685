#include "ControlHarness.h"
#include "ScriptedToolkit.h"

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QTest>
#include <QTextBlock>
#include <QUdpSocket>

// The chat window in this process, reached through the component by name.
// The window is opened towards this machine's loopback address, so its own
// datagrams come back to it; a raw datagram socket in the test plays a peer
// that sends whatever it likes.
class ControlsChatWindow : public QObject {
    Q_OBJECT
    ScriptedToolkit m_toolkit;
    QWidget m_host;
    QWidget* m_component = nullptr;
    QUdpSocket m_peer;
    quint16 m_port = 0;

    void openChat(const QString& port, const QString& address = QStringLiteral("127.0.0.1"))
    {
        QMetaObject::invokeMethod(m_component, "OpenChat", Q_ARG(QString, address), Q_ARG(QString, port));
    }
    void openAndAwaitGreeting()
    {
        openChat(QString::number(m_port));
        // The greeting towards this machine comes back from the loopback address.
        QTRY_COMPARE(remoteLines(), QStringList({"Remote", "", "127.0.0.1"}));
    }
    void typeAndSend(const QString& text)
    {
        auto* input = chat()->findChild<QLineEdit*>(QStringLiteral("editSend"));
        input->setText(text);
        QTest::keyClick(input, Qt::Key_Return);
    }
    QWidget* chat() const { return ControlHarness::shownChat(m_component); }
    QStringList remoteLines() const { return ControlHarness::areaLines(chat(), "editRemoteMsgArea"); }
    QStringList localLines() const { return ControlHarness::areaLines(chat(), "editLocalMsgArea"); }
    qint64 peerSends(const QByteArray& datagram) { return m_peer.writeDatagram(datagram, QHostAddress::LocalHost, m_port); }

private slots:
    void initTestCase()
    {
        QString failure;
        m_component = ControlHarness::createComponent(&m_host, &failure);
        QVERIFY2(m_component, qPrintable(failure));
    }

    void init()
    {
        QUdpSocket probe;
        QVERIFY(probe.bind(QHostAddress::AnyIPv4, 0));
        m_port = probe.localPort();
        m_toolkit.prompts.clear();
    }

    void cleanup()
    {
        QMetaObject::invokeMethod(m_component, "CloseChat");
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void peerTextIsShownAsPlainCharacters()
    {
        openAndAwaitGreeting();
        const QList<QByteArray> sent{"<b>bold</b> &amp;", "one\r\ntwo\tthree\x1b[31m\x7f", QByteArray("\0\x85", 2),
                                     QByteArray(65507, 'x')};
        for (const QByteArray& datagram : sent)
            QCOMPARE(peerSends(datagram), datagram.size());
        QTRY_COMPARE(remoteLines().mid(3), QStringList({"<b>bold</b> &amp;",
                                                        "one\u240D\u240Atwo\u2409three\u241B[31m\u2421",
                                                        "\u2400\uFFFD", QString(65507, u'x')}));
    }

    void areasKeepTheirNewestLines()
    {
        openAndAwaitGreeting();
        constexpr int total = 10050;
        constexpr int batch = 150;
        const QTextDocument* area =
            chat()->findChild<QPlainTextEdit*>(QStringLiteral("editRemoteMsgArea"))->document();
        // Sent in batches that the socket buffer can hold, each awaited.
        for (int first = 0; first < total; first += batch) {
            for (int line = first; line < first + batch && line < total; ++line)
                peerSends(QByteArray::number(line));
            const QString last = QString::number(std::min(first + batch, total) - 1);
            QTRY_COMPARE_WITH_TIMEOUT(area->lastBlock().text(), last, 5000);
        }
        QCOMPARE(area->blockCount(), 10000);
        // "Remote", the empty line, the greeting and lines 0 to 49 have gone.
        QCOMPARE(area->firstBlock().text(), QStringLiteral("50"));
    }

    void openWhileOpenOnlyRaisesTheWindow()
    {
        openAndAwaitGreeting();
        QWidget* window = chat();
        openChat(QString::number(m_port + 1), QStringLiteral("127.0.0.2"));
        QCOMPARE(chat(), window);
        // Still on the first port, with no new greeting: the peer's datagram comes next.
        peerSends("still here");
        QTRY_COMPARE(remoteLines().mid(3), QStringList{"still here"});
    }

    void closeChatUnloadsAndReopenGreetsAgain()
    {
        QMetaObject::invokeMethod(m_component, "CloseChat");
        QVERIFY(!chat());
        QVERIFY(m_toolkit.prompts.isEmpty());

        openAndAwaitGreeting();
        QPointer<QWidget> first = chat();
        typeAndSend(QStringLiteral("before"));
        QTRY_COMPARE(remoteLines().size(), 4);
        QMetaObject::invokeMethod(m_component, "CloseChat");
        QVERIFY(!chat());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        // The port is free again once the window has gone.
        QVERIFY(QUdpSocket().bind(QHostAddress::AnyIPv4, m_port));

        openAndAwaitGreeting();
        QCOMPARE(localLines(), QStringList({"Local", ""}));
        QVERIFY(m_toolkit.prompts.isEmpty());
    }

    void failedOpenIsReportedAfterOpenChatReturns_data()
    {
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("report");
        QTest::newRow("not a number") << "sixty-four" << "Error #380: Invalid chat port \"sixty-four\"";
        QTest::newRow("in use") << QString() << "Error #10048: Address in use";
    }

    void failedOpenIsReportedAfterOpenChatReturns()
    {
        QFETCH(QString, port);
        QFETCH(QString, report);
        // Bound the way another copy of the game would bind it.
        QUdpSocket other;
        QVERIFY(other.bind(QHostAddress::AnyIPv4, m_port));
        openChat(port.isNull() ? QString::number(m_port) : port);
        QVERIFY2(m_toolkit.prompts.isEmpty(), "OpenChat must return before the report");
        QTRY_COMPARE(m_toolkit.prompts, QStringList{report + "\r\nClosing Connection"});
        QVERIFY(chat());
        // Every later line fails the same way and is not shown as sent.
        typeAndSend(QStringLiteral("nobody hears this"));
        QCOMPARE(m_toolkit.prompts, QStringList(2, report + "\r\nClosing Connection"));
        QCOMPARE(localLines(), QStringList({"Local", ""}));
    }
};

QTEST_MAIN(ControlsChatWindow)
#include "controls_chat_window.moc"
