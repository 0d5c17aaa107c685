// SPDX-License-Identifier: GPL-3.0-or-later
// The control library's two windows as the game reaches them: the component
// of the plugin loaded from the program folder, called by name.

#include "ControlHarness.h"
#include "Ports.h"
#include "ScriptedToolkit.h"

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QNetworkDatagram>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QUdpSocket>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

namespace {

// Two hosts: network namespaces named after this process, joined by a veth
// pair, and removed (with the pair) when this object goes.
struct Hosts {
    const QString a = QStringLiteral("ossaria-%1-a").arg(QCoreApplication::applicationPid());
    const QString b = QStringLiteral("ossaria-%1-b").arg(QCoreApplication::applicationPid());

    bool create() const
    {
        const QString link = QStringLiteral("link add chat0 netns %1 type veth peer name chat0 netns %2").arg(a, b);
        for (const QString& command : {"netns add " + a, "netns add " + b, link,
                                       "-n " + a + " addr add 10.77.0.1/24 dev chat0", "-n " + a + " link set chat0 up",
                                       "-n " + b + " addr add 10.77.0.2/24 dev chat0", "-n " + b + " link set chat0 up"}) {
            if (QProcess::execute(QStringLiteral("ip"), command.split(u' ')) != 0)
                return false;
        }
        return true;
    }
    ~Hosts()
    {
        QProcess::execute(QStringLiteral("ip"), {"netns", "del", a});
        QProcess::execute(QStringLiteral("ip"), {"netns", "del", b});
    }

    // Runs work with this thread in the host's namespace, where the sockets
    // it opens stay; false when the namespace could not be entered.
    template<class Work>
    static bool on(const QString& host, Work work)
    {
        const int home = ::open("/proc/thread-self/ns/net", O_RDONLY);
        const int there = ::open(qPrintable("/run/netns/" + host), O_RDONLY);
        const bool entered = home >= 0 && there >= 0 && ::setns(there, CLONE_NEWNET) == 0;
        if (entered) {
            work();
            ::setns(home, CLONE_NEWNET);
        }
        ::close(home);
        ::close(there);
        return entered;
    }
};

} // namespace

// The non-modal message box, and the chat window in this process. The chat
// is opened towards this machine's loopback address, so its own datagrams
// come back to it; a raw datagram socket in the test plays a peer that sends
// whatever it likes.
class ControlsWindows : public QObject {
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
    QWidget* showNotice(const QString& message, const QString& title = QString())
    {
        const bool called = title.isNull()
                                ? QMetaObject::invokeMethod(m_component, "MsgBox", Q_ARG(QString, message))
                                : QMetaObject::invokeMethod(m_component, "MsgBox", Q_ARG(QString, message),
                                                            Q_ARG(QString, title));
        const QList<QWidget*> shown = ControlHarness::shownWindows(QStringLiteral("frmMsgBox"));
        return called && shown.size() == 1 ? shown.first() : nullptr;
    }
    static QLabel* label(QWidget* box) { return box->findChild<QLabel*>(QStringLiteral("lblMessage")); }
    static QPushButton* okButton(QWidget* box) { return box->findChild<QPushButton*>(QStringLiteral("butOk")); }

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
        for (QWidget* box : ControlHarness::shownWindows(QStringLiteral("frmMsgBox")))
            box->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void showsMessageAndCaption_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("caption");
        QTest::newRow("no title") << "You Win!" << QString() << "Message";
        QTest::newRow("title") << "Sunk" << "Fleet" << "Fleet";
        QTest::newRow("markup") << "<b>Carrier</b> &amp; <i>PT boat</i>" << QString() << "Message";
    }

    void showsMessageAndCaption()
    {
        QFETCH(QString, message);
        QFETCH(QString, title);
        QFETCH(QString, caption);
        QWidget* box = showNotice(message, title);
        QVERIFY(box);
        QCOMPARE(box->windowTitle(), caption);
        QCOMPARE(label(box)->text(), message);
        QCOMPARE(label(box)->textFormat(), Qt::PlainText);
        QVERIFY(okButton(box)->isVisible());
        QVERIFY2(!box->parentWidget(), "the box has no owner");
        // A second notice replaces the text of the box on screen.
        QCOMPARE(showNotice(QStringLiteral("You Lose!")), box);
        QCOMPARE(label(box)->text(), QStringLiteral("You Lose!"));
    }

    void dismissedBoxComesBackFreshAndCentred_data()
    {
        QTest::addColumn<int>("way");
        QTest::newRow("Ok") << 0;
        QTest::newRow("Enter") << 1;
        QTest::newRow("close box") << 2;
    }

    void dismissedBoxComesBackFreshAndCentred()
    {
        QFETCH(int, way);
        QPointer<QWidget> old = showNotice(QStringLiteral("first"));
        QVERIFY(old);
        old->move(3, 3);
        QTest::keyClick(old, Qt::Key_Escape);
        QVERIFY2(old->isVisible(), "Escape is not a way to dismiss the box");
        if (way == 0)
            QTest::mouseClick(okButton(old), Qt::LeftButton);
        else if (way == 1)
            QTest::keyClick(old, Qt::Key_Return);
        else
            old->close();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!old);
        QVERIFY(ControlHarness::shownWindows(QStringLiteral("frmMsgBox")).isEmpty());

        QWidget* fresh = showNotice(QStringLiteral("second"));
        QVERIFY(fresh);
        QCOMPARE(label(fresh)->text(), QStringLiteral("second"));
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        QVERIFY((fresh->geometry().center() - screen.center()).manhattanLength() <= 2);
    }

    // Peer text is shown as plain characters, control characters as their
    // pictures (long datagrams over lines of 1024 are fuzz_chat_datagrams').
    // A typed line goes out in the code page, one datagram per 65,507
    // characters: the chat's own datagrams come back to it, a line each.
    void textIsShownPlainAndSentInTheCodePage()
    {
        openAndAwaitGreeting();
        const QList<QByteArray> sent{"<b>bold</b> &amp;", "one\r\ntwo\tthree\x1b[31m\x7f", QByteArray("\0\x85", 2)};
        for (const QByteArray& datagram : sent)
            QCOMPARE(peerSends(datagram), datagram.size());
        QStringList shown{"<b>bold</b> &amp;", "one\u240D\u240Atwo\u2409three\u241B[31m\u2421", "\u2400\uFFFD"};
        QTRY_COMPARE(remoteLines().mid(3), shown);

        for (const QString& line : {QStringLiteral("Ahoy café, 5€ ✓"), QString(), QString(70000, u'z')})
            typeAndSend(line);
        const QString latin1 = QStringLiteral("Ahoy café, 5? ?");
        QCOMPARE(localLines().mid(2, 2), QStringList({latin1, ""}));
        shown << latin1 << "" << QStringList(63, QString(1024, u'z')) << QString(995, u'z')
              << QStringList(4, QString(1024, u'z')) << QString(397, u'z');
        QTRY_COMPARE(remoteLines().mid(3), shown);
    }

    // Only the peer writes in the chat: a datagram from another address is
    // not shown. A peer given by name is found without a blocking lookup.
    void showsThePeerOnly_data()
    {
        QTest::addColumn<QString>("peer");
        QTest::newRow("address") << "127.0.0.1";
        QTest::newRow("name") << "localhost";
    }

    void showsThePeerOnly()
    {
        QFETCH(QString, peer);
        openChat(QString::number(m_port), peer);
        QTRY_COMPARE(remoteLines().size(), 3);
        QUdpSocket stranger;
        QVERIFY(stranger.bind(QHostAddress(QStringLiteral("127.0.0.2")), 0));
        QCOMPARE(stranger.writeDatagram("Free prizes", QHostAddress::LocalHost, m_port), 11);
        QCOMPARE(peerSends("Still me"), 8);
        QTRY_COMPARE(remoteLines().mid(3), QStringList{"Still me"});
    }

    // An area holds at most 512 Ki characters and 10,000 lines, the newest.
    void areasKeepTheirNewestText()
    {
        openAndAwaitGreeting();
        const QTextDocument* area =
            chat()->findChild<QPlainTextEdit*>(QStringLiteral("editRemoteMsgArea"))->document();
        for (char letter = 'a'; letter <= 'j'; ++letter) {
            peerSends(QByteArray(65507, letter));
            QTRY_COMPARE(area->lastBlock().text().right(1), QString(QChar(letter)));
        }
        QVERIFY2(area->characterCount() <= (1 << 19), QByteArray::number(area->characterCount()));
        QVERIFY(area->characterCount() > (1 << 19) - 1100);

        // Sent in batches that the socket buffer can hold, each awaited,
        // until the oldest lines give way.
        int sent = 0;
        while (area->blockCount() < 10000 && sent < 12000) {
            for (const int end = sent + 100; sent < end; ++sent)
                peerSends(QByteArray::number(sent));
            QTRY_COMPARE_WITH_TIMEOUT(area->lastBlock().text(), QString::number(sent - 1), 5000);
        }
        peerSends("newest");
        QTRY_COMPARE(area->lastBlock().text(), QStringLiteral("newest"));
        QCOMPARE(area->blockCount(), 10000);
    }

    // OpenChat on an open window only raises it, keeping its peer and port;
    // CloseChat unloads it and frees the port; the next OpenChat starts afresh.
    void openRaisesAndCloseUnloads()
    {
        openAndAwaitGreeting();
        QPointer<QWidget> first = chat();
        openChat(QString::number(m_port + 1), QStringLiteral("127.0.0.2"));
        QCOMPARE(chat(), first.data());
        typeAndSend(QStringLiteral("still here"));
        QTRY_COMPARE(remoteLines().mid(3), QStringList{"still here"});

        QMetaObject::invokeMethod(m_component, "CloseChat");
        QVERIFY(!chat());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!first);
        QVERIFY(QUdpSocket().bind(QHostAddress::AnyIPv4, m_port));
        openAndAwaitGreeting();
        QCOMPARE(localLines(), QStringList({"Local", ""}));
        QVERIFY(m_toolkit.prompts.isEmpty());
    }

    // A failure of the greeting is reported after OpenChat has returned, once;
    // each later Send that fails gives one more box, never one inside another.
    void failedSendsAreReportedOnceEach_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("port");
        QTest::addColumn<QString>("report");
        QTest::addColumn<bool>("lineShown");
        QTest::newRow("not a number") << "127.0.0.1" << "sixty-four" << "Error #380: Invalid chat port \"sixty-four\""
                                      << false;
        QTest::newRow("in use") << "127.0.0.1" << QString() << "Error #10048: Address in use" << false;
        QTest::newRow("no route") << "::1" << "" << "Error #10051: Network is unreachable" << true;
    }

    void failedSendsAreReportedOnceEach()
    {
        QFETCH(QString, address);
        QFETCH(QString, port);
        QFETCH(QString, report);
        QFETCH(bool, lineShown);
        // A null port is the test's own, bound first as another copy of the
        // game would bind it; an empty one is the test's own, free.
        QUdpSocket other;
        QVERIFY(!port.isNull() || other.bind(QHostAddress::AnyIPv4, m_port));
        openChat(port.isEmpty() ? QString::number(m_port) : port, address);
        QVERIFY2(m_toolkit.prompts.isEmpty(), "OpenChat must return before the report");
        const QString box = report + "\r\nClosing Connection";
        QTRY_COMPARE(m_toolkit.prompts, QStringList{box});
        QVERIFY(chat());
        typeAndSend(QStringLiteral("nobody hears this"));
        QTRY_COMPARE(m_toolkit.prompts, QStringList(2, box));
        QTest::qWait(100);
        QCOMPARE(m_toolkit.prompts.size(), 2);
        QCOMPARE(localLines(), QStringList({"Local", ""}) + (lineShown ? QStringList{"nobody hears this"} : QStringList()));
    }

    // Between two hosts, the chat on one and a raw peer on the other, the
    // exact datagrams both ways in the code page: greeting, a line, and the
    // leave notice after an error and on CloseChat. The socket binds on the
    // first send; a window closed by an error hears nothing until its next
    // line greets again.
    void datagramsBetweenTwoHosts()
    {
        if (geteuid() != 0)
            QSKIP("network namespaces need root");
        const Hosts hosts;
        QVERIFY2(hosts.create(), "could not set up the two network namespaces");
        QUdpSocket peer;
        bool bound = false;
        QVERIFY(Hosts::on(hosts.b, [&] { bound = peer.bind(QHostAddress(QStringLiteral("10.77.0.2")), ChatPort); }));
        QVERIFY(bound);
        QList<QByteArray> heard;
        connect(&peer, &QUdpSocket::readyRead, this, [&] {
            while (peer.hasPendingDatagrams())
                heard << peer.receiveDatagram().data();
        });
        const auto onA = [&](auto work) { return Hosts::on(hosts.a, work); };

        QVERIFY(onA([&] { openChat(QString::number(ChatPort), QStringLiteral("10.77.0.2")); }));
        QVERIFY(onA([&] { typeAndSend(QStringLiteral("Gr\u00fc\u00df 5\u20ac")); }));
        QTRY_COMPARE(heard, QList<QByteArray>({"10.77.0.1", "Gr\xfc\xdf 5?"}));
        QVERIFY(onA([&] {
            QMetaObject::invokeMethod(chat()->findChild<QObject*>(QStringLiteral("Winsock1")), "Error",
                                      Q_ARG(short, 10054), Q_ARG(QString, QStringLiteral("reset")));
        }));
        QCOMPARE(m_toolkit.prompts, QStringList{"Error #10054: reset\r\nClosing Connection"});
        QTRY_COMPARE(heard.mid(2), QList<QByteArray>{"10.77.0.1 Disconnected"});
        peer.writeDatagram("lost", QHostAddress(QStringLiteral("10.77.0.1")), ChatPort);
        QTest::qWait(100);
        QVERIFY(onA([&] { typeAndSend(QStringLiteral("back")); }));
        QTRY_COMPARE(heard.mid(3), QList<QByteArray>({"10.77.0.1", "back"}));
        peer.writeDatagram("caf\xe9", QHostAddress(QStringLiteral("10.77.0.1")), ChatPort);
        QTRY_COMPARE(remoteLines(), QStringList({"Remote", "", "caf\u00e9"}));
        QVERIFY(onA([&] { QMetaObject::invokeMethod(m_component, "CloseChat"); }));
        QTRY_COMPARE(heard.mid(5), QList<QByteArray>{"10.77.0.1 Disconnected"});
        QCOMPARE(m_toolkit.prompts.size(), 1);
    }
};

QTEST_MAIN(ControlsWindows)
#include "controls_windows.moc"
