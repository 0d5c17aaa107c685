// Which file PlaySound hands to the player: the current folder's sounds
// first, then the ones beside the program.

#include "ScriptedToolkit.h"
#include "WavePlayer.h"
#include "frmMain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTest>

namespace {

class PathRecordingPlayer final : public WavePlayer {
public:
    QStringList* paths;
    explicit PathRecordingPlayer(QStringList* into) : paths(into) {}
    void play(const QString& filePath, bool) override { *paths << QFileInfo(filePath).canonicalFilePath(); }
};

} // namespace

class tst_PlaySound : public QObject {
    Q_OBJECT
private slots:
    void theCurrentFolderComesFirst()
    {
        const QString startFolder = QDir::currentPath();
        QTemporaryDir here;
        QVERIFY(QDir::setCurrent(here.path()) && QDir(here.path()).mkpath(QStringLiteral("sounds")));
        QFile own(here.filePath(QStringLiteral("sounds/hit.wav")));
        QVERIFY(own.open(QIODevice::WriteOnly));
        const QString installedFire = QFileInfo(QCoreApplication::applicationDirPath() + "/sounds/fire.wav").canonicalFilePath();
        QVERIFY2(!installedFire.isEmpty(), "the sounds are not installed beside the test");

        ScriptedToolkit toolkit;
        QStringList paths;
        frmMain window(std::make_unique<PathRecordingPlayer>(&paths), QStringList{});
        QCoreApplication::processEvents();
        paths.clear();
        window.PlaySound(QStringLiteral("hit"), true);
        window.PlaySound(QStringLiteral("fire"), false);
        QDir::setCurrent(startFolder);

        QCOMPARE(paths, (QStringList{QFileInfo(own).canonicalFilePath(), installedFire}));
    }
};

QTEST_MAIN(tst_PlaySound)
#include "tst_playsound.moc"
