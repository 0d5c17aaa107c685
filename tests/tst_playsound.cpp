// Which file PlaySound hands to the player: the current folder's sounds
// first, then the ones installed beside the program.

#include "ScriptedToolkit.h"
#include "WavePlayer.h"
#include "frmMain.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

class PathRecordingPlayer final : public WavePlayer {
public:
    struct Request {
        QString path;
        bool wait;
    };
    QList<Request>* requests;

    explicit PathRecordingPlayer(QList<Request>* into)
        : requests(into)
    {
    }
    void play(const QString& filePath, bool wait) override
    {
        requests->append({QFileInfo(filePath).canonicalFilePath(), wait});
    }
};

QString canonical(const QString& path)
{
    return QFileInfo(path).canonicalFilePath();
}

} // namespace

class tst_PlaySound : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_startFolder = QDir::currentPath();
        QVERIFY(m_cwd.isValid());
        QVERIFY(QDir::setCurrent(m_cwd.path()));
        m_requests.clear();
        m_window = std::make_unique<frmMain>(std::make_unique<PathRecordingPlayer>(&m_requests), QStringList{});
        QCoreApplication::processEvents();
        m_requests.clear();
    }
    void cleanup()
    {
        m_window.reset();
        QDir::setCurrent(m_startFolder);
    }

    void theCurrentFolderComesFirst()
    {
        QVERIFY(QDir(m_cwd.path()).mkpath(QStringLiteral("sounds")));
        const QString own = m_cwd.filePath(QStringLiteral("sounds/hit.wav"));
        QVERIFY(QFile(own).open(QIODevice::WriteOnly));

        m_window->PlaySound(QStringLiteral("hit"), true);
        m_window->PlaySound(QStringLiteral("fire"), false);

        QCOMPARE(m_requests.size(), 2);
        QCOMPARE(m_requests[0].path, canonical(own));
        QCOMPARE(m_requests[0].wait, true);
        // Not in the current folder: the installed one.
        QCOMPARE(m_requests[1].path, canonical(installed(QStringLiteral("fire"))));
        QCOMPARE(m_requests[1].wait, false);
    }

    void withoutSoundsHereTheInstalledOnesPlay()
    {
        m_window->PlaySound(QStringLiteral("youwin"), false);

        QCOMPARE(m_requests.size(), 1);
        QVERIFY(!m_requests[0].path.isEmpty());
        QCOMPARE(m_requests[0].path, canonical(installed(QStringLiteral("youwin"))));
    }

    void soundSwitchedOffPlaysNothing()
    {
        m_window->mnuOptionsSound->trigger();
        QVERIFY(!m_window->mnuOptionsSound->isChecked());
        m_window->PlaySound(QStringLiteral("connect"), true);
        QVERIFY(m_requests.isEmpty());

        m_window->mnuOptionsSound->trigger();
        m_window->PlaySound(QStringLiteral("connect"), true);
        QCOMPARE(m_requests.size(), 1);
    }

private:
    static QString installed(const QString& name)
    {
        return QCoreApplication::applicationDirPath() + QStringLiteral("/sounds/") + name + QStringLiteral(".wav");
    }

    ScriptedToolkit m_toolkit;
    QTemporaryDir m_cwd;
    QString m_startFolder;
    QList<PathRecordingPlayer::Request> m_requests;
    std::unique_ptr<frmMain> m_window;
};

QTEST_MAIN(tst_PlaySound)
#include "tst_playsound.moc"
