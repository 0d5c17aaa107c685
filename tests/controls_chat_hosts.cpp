#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkDatagram>
#include <QProcess>
#include <QTest>
#include <QUdpSocket>

#include <fcntl.h>
#include <sched.h>
#include <unistd.h>

#include <memory>

// The chat between two machines: two chat_driver processes, each in a
// network namespace of its own joined by a veth pair, so that both can bind
// the chat port as two hosts would. A raw datagram socket placed in the
// second namespace checks the exact bytes on the wire.
namespace {

const QString AddressA = QStringLiteral("10.77.0.1");
const QString AddressB = QStringLiteral("10.77.0.2");
constexpr quint16 ChatPort = 6432;
constexpr int WaitMs = 5000;

int runIp(const QStringList& arguments)
{
    QProcess ip;
    ip.start(QStringLiteral("ip"), arguments);
    if (!ip.waitForFinished(10000)) {
        ip.kill();
        ip.waitForFinished();
        return -1;
    }
    return ip.exitStatus() == QProcess::NormalExit ? ip.exitCode() : -1;
}

// Two namespaces named after this process, removed when it goes, whatever
// the tests did.
class Hosts {
public:
    Hosts()
        : a(QStringLiteral("ossaria-%1-a").arg(QCoreApplication::applicationPid()))
        , b(QStringLiteral("ossaria-%1-b").arg(QCoreApplication::applicationPid()))
        , m_linkA(QStringLiteral("osv%1a").arg(QCoreApplication::applicationPid()))
        , m_linkB(QStringLiteral("osv%1b").arg(QCoreApplication::applicationPid()))
    {
    }
    ~Hosts() { remove(); }

    bool create()
    {
        m_created = true;
        const QList<QStringList> steps{
            {"netns", "add", a},
            {"netns", "add", b},
            {"link", "add", m_linkA, "type", "veth", "peer", "name", m_linkB},
            {"link", "set", m_linkA, "netns", a},
            {"link", "set", m_linkB, "netns", b},
            {"-n", a, "addr", "add", AddressA + "/24", "dev", m_linkA},
            {"-n", b, "addr", "add", AddressB + "/24", "dev", m_linkB},
            {"-n", a, "link", "set", m_linkA, "up"},
            {"-n", b, "link", "set", m_linkB, "up"},
            {"-n", a, "link", "set", "lo", "up"},
            {"-n", b, "link", "set", "lo", "up"},
        };
        for (const QStringList& step : steps) {
            if (runIp(step) != 0)
                return false;
        }
        return true;
    }

    void remove()
    {
        if (!m_created)
            return;
        m_created = false;
        // Deleting a namespace takes its end of the veth pair, and the pair with it.
        runIp({"netns", "del", a});
        runIp({"netns", "del", b});
        runIp({"link", "del", m_linkA});
    }

    const QString a;
    const QString b;

private:
    const QString m_linkA;
    const QString m_linkB;
    bool m_created = false;
};

// A chat_driver process in a namespace, stopped when this object goes.
class Driver {
public:
    bool start(const QString& netns, const QString& remote)
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        m_process.setProcessEnvironment(environment);
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("chat_driver"));
        m_process.start(QStringLiteral("ip"), {"netns", "exec", netns, program, remote, QString::number(ChatPort)});
        return m_process.waitForStarted(WaitMs) && reply() == QLatin1String("ready");
    }

    ~Driver()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.write("quit\n");
        if (!m_process.waitForFinished(WaitMs)) {
            m_process.kill();
            m_process.waitForFinished(WaitMs);
        }
    }

    QString command(const QString& line)
    {
        m_process.write(line.toUtf8() + '\n');
        return reply();
    }

    QJsonObject state() { return QJsonDocument::fromJson(command(QStringLiteral("dump")).toUtf8()).object(); }
    QStringList remote() { return lines(QStringLiteral("remote")); }
    QStringList local() { return lines(QStringLiteral("local")); }

private:
    QStringList lines(const QString& area)
    {
        QStringList result;
        for (const QJsonValue& line : state().value(area).toArray())
            result << line.toString();
        return result;
    }

    QString reply()
    {
        QElapsedTimer waited;
        waited.start();
        while (!m_process.canReadLine() && waited.elapsed() < WaitMs)
            m_process.waitForReadyRead(100);
        return QString::fromUtf8(m_process.readLine()).trimmed();
    }

    QProcess m_process;
};

// A datagram socket created inside the namespace netns: a socket belongs to
// the namespace of the thread that made it, so this thread visits it briefly.
std::unique_ptr<QUdpSocket> socketIn(const QString& netns)
{
    const int home = open("/proc/thread-self/ns/net", O_RDONLY | O_CLOEXEC);
    const int there = open(qPrintable("/var/run/netns/" + netns), O_RDONLY | O_CLOEXEC);
    std::unique_ptr<QUdpSocket> socket;
    if (home >= 0 && there >= 0 && setns(there, CLONE_NEWNET) == 0) {
        socket = std::make_unique<QUdpSocket>();
        if (!socket->bind(QHostAddress::AnyIPv4, ChatPort))
            socket.reset();
        setns(home, CLONE_NEWNET);
    }
    if (home >= 0)
        close(home);
    if (there >= 0)
        close(there);
    return socket;
}

} // namespace

class ControlsChatHosts : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void twoHostsChat();
    void peerSeesExactBytes();

private:
    Hosts m_hosts;
};

void ControlsChatHosts::initTestCase()
{
    if (geteuid() != 0)
        QSKIP("network namespaces need root");
    QVERIFY2(m_hosts.create(), "could not set up the two network namespaces");
}

void ControlsChatHosts::cleanupTestCase()
{
    m_hosts.remove();
}

void ControlsChatHosts::twoHostsChat()
{
    const QStringList remoteStart{"Remote", ""};
    const QStringList localStart{"Local", ""};
    Driver a;
    QVERIFY(a.start(m_hosts.a, AddressB));
    // A's greeting went out before B's window was open and is lost.
    Driver b;
    QVERIFY(b.start(m_hosts.b, AddressA));
    QTRY_COMPARE_WITH_TIMEOUT(a.remote(), remoteStart + QStringList{AddressB}, WaitMs);
    QCOMPARE(b.remote(), remoteStart);

    QCOMPARE(b.command(QStringLiteral("type Ready when you are")), QStringLiteral("ok"));
    QCOMPARE(a.command(QStringLiteral("type ")), QStringLiteral("ok"));
    QTRY_COMPARE_WITH_TIMEOUT(a.remote(), remoteStart + QStringList({AddressB, "Ready when you are"}), WaitMs);
    QTRY_COMPARE_WITH_TIMEOUT(b.remote(), remoteStart + QStringList{""}, WaitMs);
    QCOMPARE(a.local(), localStart + QStringList{""});
    QCOMPARE(b.local(), localStart + QStringList{"Ready when you are"});

    // B leaves and comes back: A sees the leave notice and a new greeting.
    b.command(QStringLiteral("close"));
    QTRY_COMPARE_WITH_TIMEOUT(a.remote().value(4), AddressB + " Disconnected", WaitMs);
    QCOMPARE(b.state().value(QStringLiteral("open")).toBool(), false);
    QCOMPARE(a.state().value(QStringLiteral("open")).toBool(), true);
    b.command("open " + AddressA + " 6432");
    QTRY_COMPARE_WITH_TIMEOUT(a.remote().value(5), AddressB, WaitMs);
    QCOMPARE(b.remote(), remoteStart);

    // An error on A: the box, the leave notice, and a greeting before A's next line.
    a.command(QStringLiteral("error 10054 The connection is reset by remote side"));
    QTRY_COMPARE_WITH_TIMEOUT(b.remote(), remoteStart + QStringList{AddressA + " Disconnected"}, WaitMs);
    QCOMPARE(a.state().value(QStringLiteral("prompts")).toArray().first().toString(),
             QStringLiteral("Error #10054: The connection is reset by remote side\r\nClosing Connection"));
    a.command(QStringLiteral("type back again"));
    QTRY_COMPARE_WITH_TIMEOUT(b.remote(),
                              remoteStart + QStringList({AddressA + " Disconnected", AddressA, "back again"}),
                              WaitMs);
}

void ControlsChatHosts::peerSeesExactBytes()
{
    std::unique_ptr<QUdpSocket> peer = socketIn(m_hosts.b);
    QVERIFY2(peer, "could not bind the chat port inside the second namespace");
    QList<QByteArray> received;
    const auto receivedCount = [&] {
        while (peer->hasPendingDatagrams())
            received << peer->receiveDatagram().data();
        return received.size();
    };

    {
        Driver a;
        QVERIFY(a.start(m_hosts.a, AddressB));
        QTRY_COMPARE_WITH_TIMEOUT(receivedCount(), 1, WaitMs);
        a.command(QStringLiteral("type Fire at J10"));
        a.command(QStringLiteral("type Ahoy café, 5€ ✓"));
        a.command(QStringLiteral("typerepeat 70000 z"));
        a.command(QStringLiteral("type "));
        QTRY_COMPARE_WITH_TIMEOUT(receivedCount(), 6, WaitMs);
        a.command(QStringLiteral("close"));
        QTRY_COMPARE_WITH_TIMEOUT(receivedCount(), 7, WaitMs);
        QCOMPARE(a.state().value(QStringLiteral("prompts")).toArray().size(), 0);
    }

    QCOMPARE(received[0], AddressA.toLatin1());
    QCOMPARE(received[1], QByteArray("Fire at J10"));
    QCOMPARE(received[2], QByteArray("Ahoy caf\xe9, 5? ?"));
    // Too long for one datagram: split, nothing lost or added.
    QCOMPARE(received[3], QByteArray(65507, 'z'));
    QCOMPARE(received[4], QByteArray(70000 - 65507, 'z'));
    QCOMPARE(received[5].size(), 0);
    QCOMPARE(received[6], (AddressA + " Disconnected").toLatin1());
}

QTEST_GUILESS_MAIN(ControlsChatHosts)
#include "controls_chat_hosts.moc"
