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
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <sys/types.h>

class AboutTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase()
    {
        m_path = qgetenv("PATH");
    }

    void init()
    {
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

    void menuAndShipPictureOpenTheSameWindow()
    {
        (*m_game)->mnuHelpAbout->trigger();
        frmAbout* about = frmAbout::instance();
        QVERIFY(about && about->isVisible());
        QCOMPARE(about->parentWidget(), m_game->window.get());

        QTest::mouseClick((*m_game)->picShip, Qt::LeftButton);
        QCOMPARE(frmAbout::instance(), about);
        QCOMPARE((*m_game)->findChildren<frmAbout*>().size(), 1);
    }

    void thankyouOncePerLoadNotOnActivation()
    {
        (*m_game)->mnuHelpAbout->trigger();
        (*m_game)->mnuHelpAbout->trigger();
        QCOMPARE(m_game->sound->requests, (QList<RecordingWavePlayer::Request>{{"thankyou", false}}));

        QPointer<frmAbout> first = frmAbout::instance();
        QTest::mouseClick(first->cmdOK, Qt::LeftButton);
        QTRY_VERIFY(first.isNull());
        QTest::mouseClick((*m_game)->picShip, Qt::LeftButton);
        QCOMPARE(m_game->sound->names(), (QStringList{"thankyou", "thankyou"}));
    }

    void opensSilentlyWithSoundOff()
    {
        (*m_game)->mnuOptionsSound->trigger();
        QVERIFY(!(*m_game)->bSoundOn);
        (*m_game)->mnuHelpAbout->trigger();
        QVERIFY(frmAbout::instance());
        QVERIFY(m_game->sound->requests.isEmpty());
    }

    void showsTitleVersionAndCredits()
    {
        frmAbout* about = frmAbout::showInstance(m_game->window.get());
        QCOMPARE(about->windowTitle(), QStringLiteral("About Ossaria"));
        QCOMPARE(about->lblTitle->text(), QStringLiteral("Ossaria"));
        QCOMPARE(about->lblVersion->text(), QStringLiteral("Version 1.2.2"));
        QCOMPARE(about->size(), QSize(382, 237));
        QCOMPARE(about->picIcon->pixmap().size(), QSize(75, 60));

        const QStringList description = about->lblDescription->text().split(QStringLiteral("\r\n"));
        QCOMPARE(description.size(), 6);
        QCOMPARE(description[0], QString());
        QCOMPARE(description[1], QString());
        QCOMPARE(description[2], QStringLiteral("Programming by: "));
        for (int line = 3; line < 6; ++line)
            QVERIFY(description[line].startsWith(QStringLiteral("       ")) && !description[line].trimmed().isEmpty());
        QVERIFY(!about->lblDescription->text().endsWith(QStringLiteral("\r\n")));

        const QStringList disclaimer = about->lblDisclaimer->text().split(QStringLiteral("\r\n"));
        QCOMPARE(disclaimer.size(), 2);
        QCOMPARE(disclaimer[0], QString());
        QVERIFY(!disclaimer[1].isEmpty());

        const Qt::WindowFlags flags = about->windowFlags();
        QVERIFY(!(flags & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(flags & Qt::WindowMaximizeButtonHint));
        QCOMPARE(about->minimumSize(), about->maximumSize());
    }

    void enterAndEscapeBothClose_data()
    {
        QTest::addColumn<int>("key");
        QTest::newRow("Enter") << int(Qt::Key_Return);
        QTest::newRow("Esc") << int(Qt::Key_Escape);
    }

    void enterAndEscapeBothClose()
    {
        QFETCH(int, key);
        QPointer<frmAbout> about = frmAbout::showInstance(m_game->window.get());
        QVERIFY(about->cmdOK->isDefault());
        QTest::keyClick(about, Qt::Key(key));
        QTRY_VERIFY(about.isNull());
    }

    void sysInfoStartsTheDesktopToolWithoutWaiting()
    {
        QTemporaryDir bin;
        const QString marker = bin.filePath(QStringLiteral("started"));
        // The stand-in records its process id and then keeps running, so
        // the test sees that the button did not wait for it to end.
        writeProgram(bin.filePath(QStringLiteral("hardinfo")),
                     QStringLiteral("#!/bin/sh\nPATH=/usr/bin:/bin\necho $$ > '%1.tmp'\nmv '%1.tmp' '%1'\nexec sleep 30\n")
                         .arg(marker));
        writeProgram(bin.filePath(QStringLiteral("kinfocenter")),
                     QStringLiteral("#!/bin/sh\ntouch '%1.second'\n").arg(marker));
        qputenv("PATH", bin.path().toLocal8Bit());

        frmAbout* about = frmAbout::showInstance(m_game->window.get());
        QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), 10000);
        QFile pidFile(marker);
        QVERIFY(pidFile.open(QIODevice::ReadOnly));
        const pid_t pid = pidFile.readAll().trimmed().toInt();
        QVERIFY(pid > 0);
        const bool stillRunning = ::kill(pid, 0) == 0;
        ::kill(pid, SIGTERM);
        QVERIFY(stillRunning);

        QVERIFY(!QFile::exists(marker + QStringLiteral(".second")));
        QCOMPARE(m_toolkit->prompts.size(), m_promptsBefore);
        QVERIFY(about->isVisible());
    }

    void sysInfoUnavailable_data()
    {
        QTest::addColumn<QByteArray>("hardinfo");
        QTest::newRow("no tool on PATH") << QByteArray();
        QTest::newRow("tool cannot start") << QByteArray("\x7f" "ELF not really a program");
    }

    void sysInfoUnavailable()
    {
        QFETCH(QByteArray, hardinfo);
        QTemporaryDir bin;
        if (!hardinfo.isEmpty())
            writeProgram(bin.filePath(QStringLiteral("hardinfo")), QString::fromLatin1(hardinfo));
        qputenv("PATH", bin.path().toLocal8Bit());

        frmAbout* about = frmAbout::showInstance(m_game->window.get());
        QTest::mouseClick(about->cmdSysInfo, Qt::LeftButton);
        QCOMPARE(m_toolkit->prompts.mid(m_promptsBefore),
                 QStringList{QStringLiteral("System Information Is Unavailable At This Time")});
        QCOMPARE(m_toolkit->buttons.last(), int(Toolkit::vbOKOnly));
        QCOMPARE(m_toolkit->titles.last(), QStringLiteral("Ossaria"));
        QCOMPARE(frmAbout::instance(), about);
        QVERIFY(about->isVisible() && about->cmdSysInfo->isEnabled());
    }

private:
    static void writeProgram(const QString& path, const QString& content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content.toLatin1());
        file.close();
        QVERIFY(file.setPermissions(file.permissions() | QFile::ExeOwner | QFile::ExeUser));
    }

    QByteArray m_path;
    std::unique_ptr<ScriptedToolkit> m_toolkit;
    std::unique_ptr<GameWindow> m_game;
    int m_promptsBefore = 0;
};

QTEST_MAIN(AboutTest)
#include "tst_about.moc"
