// The About window: how it is reached, its greeting, its texts, and the
// System Info button with and without a system-information tool.

#include "GameWindow.h"
#include "PictureBox.h"
#include "ScriptedToolkit.h"
#include "frmAbout.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/types.h>

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        m_path = qgetenv("PATH");
        m_toolkit = std::make_unique<ScriptedToolkit>();
        m_game = std::make_unique<GameWindow>();
        m_promptsBefore = m_toolkit->prompts.size();
    }

    void cleanup()
    {
        qputenv("PATH", m_path);
        m_game.reset();
        m_toolkit.reset();
        QVERIFY(!frmAbout::instance());
    }

    // The menu and the ship picture show one window with its texts and greet
    // once per load, not on a mere activation, and not with sound off; OK,
    // Enter and Escape close it, and the next showing builds it afresh.
    void oneWindowWithItsTextsFromMenuAndShipPicture()
    {
        frmMain& game = **m_game;
        game.mnuHelpAbout->trigger();
        QPointer<frmAbout> about = frmAbout::instance();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->parentWidget(), &game);
        QCOMPARE((QStringList{about->windowTitle(), about->lblTitle->text(), about->lblVersion->text()}),
                 (QStringList{"About Ossaria", "Ossaria", "Version 1.2.2"}));
        // Two empty lines, the heading, three indented credits, no line
        // break after the last; then a disclaimer of one line after an empty one.
        QVERIFY(QRegularExpression(QStringLiteral("^\\r\\n\\r\\nProgramming by: (\\r\\n {7}[^\\r\\n]*\\S[^\\r\\n]*){3}\\z"))
                    .match(about->lblDescription->text()).hasMatch());
        QVERIFY(QRegularExpression(QStringLiteral("^\\r\\n[^\\r\\n]+\\z")).match(about->lblDisclaimer->text()).hasMatch());
        QTest::mouseClick(game.picShip, Qt::LeftButton);
        QCOMPARE(frmAbout::instance(), about.data());
        QCOMPARE(game.findChildren<frmAbout*>().size(), 1);
        QCOMPARE(m_game->sound->requests, (QList<RecordingWavePlayer::Request>{{"thankyou", false}}));
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        QTRY_VERIFY(about.isNull());

        QTest::mouseClick(game.picShip, Qt::LeftButton);
        about = frmAbout::instance();
        QVERIFY(about && about->isVisible());
        QCOMPARE(m_game->sound->names(), (QStringList{"thankyou", "thankyou"}));
        QTest::keyClick(about, Qt::Key_Return);
        QTRY_VERIFY(about.isNull());

        game.mnuOptionsSound->trigger();
        game.mnuHelpAbout->trigger();
        about = frmAbout::instance();
        QVERIFY(about);
        QCOMPARE(m_game->sound->requests.size(), 2);
        QTest::keyClick(about, Qt::Key_Escape);
        QTRY_VERIFY(about.isNull());
    }

    // The first tool found on PATH is started and not waited for: the
    // stand-in records its process id and keeps running; the next one on the
    // list is not started.
    void sysInfoStartsTheFirstToolWithoutWaiting()
    {
        const QStringList tools = frmAbout::desktopSysInfoPrograms();
        QTemporaryDir bin;
        const QString marker = bin.filePath(QStringLiteral("started"));
        writeProgram(bin.filePath(tools[0]), QStringLiteral("#!/bin/sh\nPATH=/usr/bin:/bin\necho $$ > '%1.tmp'\n"
                                                            "mv '%1.tmp' '%1'\nexec sleep 30\n").arg(marker));
        writeProgram(bin.filePath(tools[1]), QStringLiteral("#!/bin/sh\ntouch '%1.second'\n").arg(marker));
        frmAbout* about = clickSysInfoWithPath(bin.path());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
        QFile pidFile(marker);
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        const pid_t pid = pidFile.readAll().trimmed().toInt();
        const bool stillRunning = pid > 0 && ::kill(pid, 0) == 0;
        if (stillRunning)
            ::kill(pid, SIGTERM);
        QVERIFY(stillRunning && about->isVisible() && !QFile::exists(marker + ".second"));
        QCOMPARE(m_toolkit->prompts.size(), m_promptsBefore);
    }

    void sysInfoUnavailable_data()
    {
        QTest::addColumn<QByteArray>("tool");
        QTest::newRow("no tool on PATH") << QByteArray();
        QTest::newRow("tool cannot start") << QByteArray("\x7f" "ELF not really a program");
    }
    void sysInfoUnavailable()
    {
        QFETCH(QByteArray, tool);
        QTemporaryDir bin;
        if (!tool.isEmpty())
            writeProgram(bin.filePath(frmAbout::desktopSysInfoPrograms().first()), QString::fromLatin1(tool));
        frmAbout* about = clickSysInfoWithPath(bin.path());
        QCOMPARE(m_toolkit->prompts.mid(m_promptsBefore),
                 QStringList{QStringLiteral("System Information Is Unavailable At This Time")});
        QCOMPARE(m_toolkit->buttons.last(), int(Toolkit::vbOKOnly));
        QCOMPARE(m_toolkit->titles.last(), QStringLiteral("Ossaria"));
        QCOMPARE(frmAbout::instance(), about);
        QVERIFY(about->isVisible() && about->cmdSysInfo->isEnabled());
    }

private:
    frmAbout* clickSysInfoWithPath(const QString& path)
    {
        qputenv("PATH", path.toLocal8Bit());
        frmAbout* about = frmAbout::showInstance(m_game->window.get());
        QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);
        return about;
    }
    static void writeProgram(const QString& path, const QString& content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content.toLatin1()) == content.size());
        QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser));
    }

    QByteArray m_path;
    std::unique_ptr<ScriptedToolkit> m_toolkit;
    std::unique_ptr<GameWindow> m_game;
    int m_promptsBefore = 0;
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
