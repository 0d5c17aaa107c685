#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>

#include <unistd.h>

// The chat between two machines: two chat_driver processes, each in a
// network namespace of its own joined by a veth pair, so that both can bind
// the chat port as two hosts would.
namespace {

const QString AddressA = QStringLiteral("10.77.0.1");
const QString AddressB = QStringLiteral("10.77.0.2");
constexpr quint16 ChatPort = 6432;
constexpr int WaitMs = 5000;

// Runs ip with these arguments and these commands on its input.
bool ip(const QStringList& arguments, const QString& commands = QString())
{
    QProcess process;
    process.start(QStringLiteral("ip"), arguments);
    process.write(commands.toUtf8());
    process.closeWriteChannel();
    if (!process.waitForFinished(10000)) {
        process.kill();
        process.waitForFinished();
        return false;
    }
    return process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Two namespaces named after this process, removed when it goes, whatever
// the tests did or however far the set-up got; deleting them takes the veth
// pair with them.
class Hosts {
public:
    ~Hosts()
    {
        if (m_created)
            ip({"-force", "-batch", "-"}, QStringLiteral("netns del %1\nnetns del %2\n").arg(a, b));
    }

    bool create()
    {
        m_created = true;
        const QString setUp = QStringLiteral("addr add %1/24 dev chat0\nlink set chat0 up\nlink set lo up\n");
        return ip({"-batch", "-"}, QStringLiteral("netns add %1\nnetns add %2\n"
                                                  "link add chat0 netns %1 type veth peer name chat0 netns %2\n")
                                       .arg(a, b))
               && ip({"-n", a, "-batch", "-"}, setUp.arg(AddressA)) && ip({"-n", b, "-batch", "-"}, setUp.arg(AddressB));
    }

    const QString a = QStringLiteral("ossaria-%1-a").arg(QCoreApplication::applicationPid());
    const QString b = QStringLiteral("ossaria-%1-b").arg(QCoreApplication::applicationPid());

private:
    bool m_created = false;
};

// A chat_driver process in a namespace, stopped when this object goes.
class Driver {
public:
    bool start(const QString& netns, const QString& remote)
    {
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        const QString program = QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("chat_driver"));
        m_process.start(QStringLiteral("ip"), {"netns", "exec", netns, program, remote, QString::number(ChatPort)});
        return m_process.waitForStarted(WaitMs) && reply() == QLatin1String("ready");
    }

    // The driver ends with its input.
    ~Driver()
    {
        m_process.closeWriteChannel();
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

    // The lines of "remote" or "local" (none while the window is closed), or "prompts".
    QStringList query(const QString& what) { return QJsonDocument::fromJson(command(what).toUtf8()).toVariant().toStringList(); }
    QStringList remote() { return query(QStringLiteral("remote")); }

private:
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

} // namespace

class ControlsChatHosts : public QObject {
    Q_OBJECT
    Hosts m_hosts;

private slots:
    void initTestCase()
    {
        if (geteuid() != 0)
            QSKIP("network namespaces need root");
        QVERIFY2(m_hosts.create(), "could not set up the two network namespaces");
    }

    void twoHostsChat()
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
        QCOMPARE(a.query("local"), localStart + QStringList{""});
        QCOMPARE(b.query("local"), localStart + QStringList{"Ready when you are"});

        // B leaves and comes back: A sees the leave notice and a new greeting.
        b.command(QStringLiteral("close"));
        QTRY_COMPARE_WITH_TIMEOUT(a.remote().value(4), AddressB + " Disconnected", WaitMs);
        QCOMPARE(b.remote(), QStringList());
        b.command("open " + AddressA + " 6432");
        QTRY_COMPARE_WITH_TIMEOUT(a.remote().value(5), AddressB, WaitMs);
        QCOMPARE(b.remote(), remoteStart);

        // An error on A: the box, the leave notice, nothing received while closed,
        // and a greeting before A's next line.
        a.command(QStringLiteral("error 10054 The connection is reset by remote side"));
        QTRY_COMPARE_WITH_TIMEOUT(b.remote(), remoteStart + QStringList{AddressA + " Disconnected"}, WaitMs);
        QCOMPARE(a.query("prompts"),
                 QStringList{"Error #10054: The connection is reset by remote side\r\nClosing Connection"});
        b.command(QStringLiteral("type lost"));
        a.command(QStringLiteral("type back again"));
        QTRY_COMPARE_WITH_TIMEOUT(b.remote(),
                                  remoteStart + QStringList({AddressA + " Disconnected", AddressA, "back again"}),
                                  WaitMs);
        QCOMPARE(a.remote(), remoteStart + QStringList({AddressB, "Ready when you are", AddressB + " Disconnected", AddressB}));
    }
};

QTEST_GUILESS_MAIN(ControlsChatHosts)
#include "controls_chat_hosts.moc"
