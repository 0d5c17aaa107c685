#include "ControlHarness.h"
#include "ScriptedToolkit.h"

#include <QApplication>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QUdpSocket>

// The chat window in this process, reached through the component by name.
// The window is opened towards this machine's loopback address, so its own
// datagrams come back to it; a raw datagram socket in the test plays a peer
// that sends whatever it likes.
class ControlsChatWindow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void cleanup();

    void windowAsDesigned();
    void greetingAndLinesAreShownAsLines();
    void peerTextIsShownAsPlainCharacters();
    void areasKeepTheirNewestLines();
    void openWhileOpenOnlyRaisesTheWindow();
    void closeChatUnloadsAndReopenGreetsAgain();
    void errorEventClosesAndNextSendGreetsFirst();
    void badPortTextIsReported();
    void portInUseIsReported();

private:
    static quint16 freePort();
    void openChat(const QString& address, const QString& port);
    void typeAndSend(const QString& text);
    QStringList remoteLines() const { return lines("editRemoteMsgArea"); }
    QStringList localLines() const { return lines("editLocalMsgArea"); }
    QStringList lines(const char* area) const;
    QWidget* chat() const;

    ScriptedToolkit m_toolkit;
    QWidget m_host;
    QWidget* m_component = nullptr;
    quint16 m_port = 0;
    QString m_portText;
};

void ControlsChatWindow::initTestCase()
{
    QString failure;
    m_component = ControlHarness::createComponent(&m_host, &failure);
    QVERIFY2(m_component, qPrintable(failure));
}

void ControlsChatWindow::init()
{
    m_port = freePort();
    QVERIFY(m_port);
    m_portText = QString::number(m_port);
    m_toolkit.prompts.clear();
}

void ControlsChatWindow::cleanup()
{
    QMetaObject::invokeMethod(m_component, "CloseChat");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

quint16 ControlsChatWindow::freePort()
{
    QUdpSocket probe;
    return probe.bind(QHostAddress::AnyIPv4, 0) ? probe.localPort() : 0;
}

void ControlsChatWindow::openChat(const QString& address, const QString& port)
{
    QMetaObject::invokeMethod(m_component, "OpenChat", Q_ARG(QString, address), Q_ARG(QString, port));
}

QWidget* ControlsChatWindow::chat() const
{
    for (QWidget* window : m_component->findChildren<QWidget*>(QStringLiteral("frmChat"))) {
        if (window->isVisible())
            return window;
    }
    return nullptr;
}

QStringList ControlsChatWindow::lines(const char* area) const
{
    QStringList result;
    QWidget* window = chat();
    if (!window)
        return result;
    const QTextDocument* text = window->findChild<QPlainTextEdit*>(QLatin1String(area))->document();
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next())
        result << block.text();
    return result;
}

void ControlsChatWindow::typeAndSend(const QString& text)
{
    chat()->findChild<QLineEdit*>(QStringLiteral("editSend"))->setText(text);
    QTest::keyClick(chat()->findChild<QLineEdit*>(QStringLiteral("editSend")), Qt::Key_Return);
}

void ControlsChatWindow::windowAsDesigned()
{
    openChat(QStringLiteral("127.0.0.1"), m_portText);
    QWidget* window = chat();
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("Chat Window"));
    QCOMPARE(window->size(), QSize(7320 / 15, 4665 / 15));
    QVERIFY(!window->isModal());
    QVERIFY(window->isWindow());
    QCOMPARE(window->parentWidget(), m_component);
    QCOMPARE(localLines(), QStringList({"Local", ""}));
    for (const char* name : {"editRemoteMsgArea", "editLocalMsgArea"})
        QVERIFY(window->findChild<QPlainTextEdit*>(QLatin1String(name))->isReadOnly());
    auto* send = window->findChild<QLineEdit*>(QStringLiteral("editSend"));
    QCOMPARE(send->geometry(), QRect(5, 265, 476, 21));
    QVERIFY(QTest::qWaitForWindowActive(window));
    QCOMPARE(QApplication::focusWidget(), send);
    auto* button = window->findChild<QPushButton*>(QStringLiteral("butSend"));
    QCOMPARE(button->text(), QStringLiteral("Send"));
    QVERIFY(button->isDefault());
}

void ControlsChatWindow::greetingAndLinesAreShownAsLines()
{
    openChat(QStringLiteral("127.0.0.1"), m_portText);
    // The greeting towards this machine comes back from the loopback address.
    QTRY_COMPARE(remoteLines(), QStringList({"Remote", "", "127.0.0.1"}));
    typeAndSend(QStringLiteral("Fire at B7"));
    typeAndSend(QString());
    typeAndSend(QStringLiteral("Déjà vu € ✓"));
    const QStringList sent{"Fire at B7", "", "Déjà vu ? ?"};
    QCOMPARE(localLines(), QStringList({"Local", ""}) + sent);
    QTRY_COMPARE(remoteLines(), QStringList({"Remote", "", "127.0.0.1"}) + sent);
    QVERIFY(chat()->findChild<QLineEdit*>(QStringLiteral("editSend"))->text().isEmpty());
}

void ControlsChatWindow::peerTextIsShownAsPlainCharacters()
{
    openChat(QStringLiteral("127.0.0.1"), m_portText);
    QTRY_COMPARE(remoteLines().size(), 3);
    QUdpSocket peer;
    const QList<QByteArray> sent{"<b>bold</b> &amp;", "one\r\ntwo\tthree\x1b[31m\x7f", QByteArray("\0\x85", 2),
                                 QByteArray(65507, 'x')};
    for (const QByteArray& datagram : sent)
        QCOMPARE(peer.writeDatagram(datagram, QHostAddress::LocalHost, m_port), datagram.size());
    QTRY_COMPARE(remoteLines().size(), 7);
    const QStringList shown = remoteLines().mid(3);
    QCOMPARE(shown[0], QStringLiteral("<b>bold</b> &amp;"));
    QCOMPARE(shown[1], QStringLiteral("one\u240D\u240Atwo\u2409three\u241B[31m\u2421"));
    QCOMPARE(shown[2], QStringLiteral("\u2400\uFFFD"));
    QCOMPARE(shown[3], QString(65507, u'x'));
}

void ControlsChatWindow::areasKeepTheirNewestLines()
{
    openChat(QStringLiteral("127.0.0.1"), m_portText);
    QTRY_COMPARE(remoteLines().size(), 3);
    QUdpSocket peer;
    constexpr int total = 10050;
    constexpr int batch = 150;
    auto* area = chat()->findChild<QPlainTextEdit*>(QStringLiteral("editRemoteMsgArea"));
    // Sent in batches that the socket buffer can hold, each awaited.
    for (int first = 0; first < total; first += batch) {
        for (int line = first; line < first + batch && line < total; ++line)
            peer.writeDatagram(QByteArray::number(line), QHostAddress::LocalHost, m_port);
        const QString last = QString::number(std::min(first + batch, total) - 1);
        QTRY_COMPARE_WITH_TIMEOUT(area->document()->lastBlock().text(), last, 5000);
    }
    QCOMPARE(area->document()->blockCount(), 10000);
    // "Remote", the empty line, the greeting and lines 0 to 49 have gone.
    QCOMPARE(area->document()->firstBlock().text(), QStringLiteral("50"));
}

void ControlsChatWindow::openWhileOpenOnlyRaisesTheWindow()
{
    openChat(QStringLiteral("127.0.0.1"), m_portText);
    QPointer<QWidget> window = chat();
    QTRY_COMPARE(remoteLines().size(), 3);
    openChat(QStringLiteral("127.0.0.2"), QString::number(freePort()));
    QCOMPARE(chat(), window.data());
    QTest::qWait(200);
    QCOMPARE(remoteLines().size(), 3);
    // Still on the first port: the peer's datagram to it arrives.
    QUdpSocket peer;
    peer.writeDatagram("still here", QHostAddress::LocalHost, m_port);
    QTRY_COMPARE(remoteLines().value(3), QStringLiteral("still here"));
}

void ControlsChatWindow::closeChatUnloadsAndReopenGreetsAgain()
{
    QMetaObject::invokeMethod(m_component, "CloseChat");
    QVERIFY(!chat());

    openChat(QStringLiteral("127.0.0.1"), m_portText);
    QPointer<QWidget> first = chat();
    QTRY_COMPARE(remoteLines().size(), 3);
    typeAndSend(QStringLiteral("before"));
    QTRY_COMPARE(remoteLines().size(), 4);
    QMetaObject::invokeMethod(m_component, "CloseChat");
    QVERIFY(!chat());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!first);
    // The port is free again once the window has gone.
    QUdpSocket rebind;
    QVERIFY(rebind.bind(QHostAddress::AnyIPv4, m_port));
    rebind.close();

    openChat(QStringLiteral("127.0.0.1"), m_portText);
    QTRY_COMPARE(remoteLines(), QStringList({"Remote", "", "127.0.0.1"}));
    QCOMPARE(localLines(), QStringList({"Local", ""}));
    QVERIFY(m_toolkit.prompts.isEmpty());
}

void ControlsChatWindow::errorEventClosesAndNextSendGreetsFirst()
{
    openChat(QStringLiteral("127.0.0.1"), m_portText);
    QTRY_COMPARE(remoteLines().size(), 3);
    QObject* socket = chat()->findChild<QObject*>(QStringLiteral("Winsock1"));
    QVERIFY(QMetaObject::invokeMethod(socket, "Error", Q_ARG(short, 10054),
                                      Q_ARG(QString, QStringLiteral("The connection is reset by remote side"))));
    QCOMPARE(m_toolkit.prompts,
             QStringList({"Error #10054: The connection is reset by remote side\r\nClosing Connection"}));
    QCOMPARE(m_toolkit.buttons.last(), 0);
    QCOMPARE(m_toolkit.titles.last(), QStringLiteral("Ossaria"));
    QVERIFY(chat());
    // Closed: the peer's datagrams are not received until the next Send.
    QUdpSocket peer;
    peer.writeDatagram("lost", QHostAddress::LocalHost, m_port);
    QTest::qWait(200);
    QCOMPARE(remoteLines().size(), 3);

    typeAndSend(QStringLiteral("again"));
    QTRY_COMPARE(remoteLines().mid(3), QStringList({"127.0.0.1", "again"}));
}

void ControlsChatWindow::badPortTextIsReported()
{
    openChat(QStringLiteral("127.0.0.1"), QStringLiteral("sixty-four"));
    QVERIFY2(m_toolkit.prompts.isEmpty(), "OpenChat must return before the report");
    QTRY_COMPARE(m_toolkit.prompts,
                 QStringList({"Error #380: Invalid chat port \"sixty-four\"\r\nClosing Connection"}));
    QVERIFY(chat());
    typeAndSend(QStringLiteral("nobody hears this"));
    QCOMPARE(m_toolkit.prompts.size(), 2);
    QCOMPARE(localLines(), QStringList({"Local", ""}));
}

void ControlsChatWindow::portInUseIsReported()
{
    // Bound the way another copy of the game would bind it.
    QUdpSocket other;
    QVERIFY(other.bind(QHostAddress::AnyIPv4, m_port));
    openChat(QStringLiteral("127.0.0.1"), m_portText);
    QTRY_COMPARE(m_toolkit.prompts, QStringList({"Error #10048: Address in use\r\nClosing Connection"}));
    QVERIFY(chat());
}

QTEST_MAIN(ControlsChatWindow)
#include "controls_chat_window.moc"
