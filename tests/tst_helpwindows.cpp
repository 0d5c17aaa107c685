// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu's windows beside a running game: the game reference with its
// texts and colour legend; the About window, how it is reached, its greeting,
// its texts, and the System Info button with and without a
// system-information tool.

#include "GameWindow.h"
#include "PictureBox.h"
#include "frmAbout.h"
#include "frmHelpGame.h"

#include <QPlainTextEdit>
#include <QPointer>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <csignal>
#include <sys/types.h>

class HelpWindowsTest : public QObject {
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
        delete frmHelpGame::instance();
        qputenv("PATH", m_path);
        m_game.reset();
        m_toolkit.reset();
        QVERIFY(!frmAbout::instance());
    }

    // Open beside the game without blocking it, raised again rather than
    // doubled, built afresh after Done with the texts of its resources, the
    // focus in the game text, and the legend: four rows top to bottom, each
    // sample left of its caption, clicking a sample changing nothing. The
    // game itself stays untouched (that opening it asks nothing is
    // tst_mainwindow's Ctrl+G row).
    void oneInstanceBesideTheGameWithItsTextsAndLegend()
    {
        GameWindow& game = *m_game;
        const QStringList statusBefore = game->editStatus->lines();

        game->mnuHelpGame->trigger();
        QPointer<frmHelpGame> first = frmHelpGame::instance();
        QVERIFY(first && first->isVisible() && first->isWindow() && !QApplication::activeModalWidget());
        QCOMPARE(first->parentWidget(), game.window.get());
        first->editHelpText->setPlainText(QStringLiteral("scribbled"));
        game->mnuHelpGame->trigger();
        QCOMPARE(frmHelpGame::instance(), first.data());
        QCOMPARE(first->editHelpText->toPlainText(), QStringLiteral("scribbled"));
        QCOMPARE(game->findChildren<frmHelpGame*>().size(), 1);

        QTest::mouseClick(first->butDone, Qt::LeftButton);
        QTRY_VERIFY(first.isNull() && !frmHelpGame::instance());
        game->mnuHelpGame->trigger();
        frmHelpGame* help = frmHelpGame::instance();
        QVERIFY(help && help->isVisible());
        // Every line ended by CR LF (tst_translations counts them, in every
        // language), shown one line per line.
        const QString gameText = frmHelpGame::gameText();
        const QString colorsText = frmHelpGame::colorsText();
        QCOMPARE(help->editHelpText->toPlainText(), QString(gameText).replace("\r\n", "\n"));
        QCOMPARE(help->editColors->toPlainText(), QString(colorsText).replace("\r\n", "\n"));
        QCOMPARE(help->editHelpText->accessibleName(), QString("Playing The Game"));
        QVERIFY(QTest::qWaitForWindowActive(help));
        QCOMPARE(QApplication::focusWidget(), help->editHelpText);

        const struct { TileButton* sample; quint32 color; QString mark; QLabel* label; QString text; } rows[] = {
            {help->butHomeTile[0], 0xFFFFFF, "", help->Label1, "1) White:   Unknown content (enemy sea)"},
            {help->butHomeTile[3], 0xFF0000, "X", help->Label4, "2) Blue:    Water (no hit)"},
            {help->butHomeTile[1], 0x0000C0, "X", help->Label3, "3) Red:     Hit Ship"},
            {help->butHomeTile[2], 0x00FFFF, "", help->Label2, "4) Yellow:  Ship (home sea)"},
        };
        QCOMPARE(help->findChildren<TileButton*>().size(), 4);
        int previousTop = -1;
        for (const auto& row : rows) {
            QCOMPARE(row.label->text(), row.text);
            QVERIFY(row.label->y() == row.sample->y() && row.sample->y() > previousTop);
            QVERIFY(row.label->x() > row.sample->x() + row.sample->width());
            previousTop = row.sample->y();
            QTest::mouseClick(row.sample, Qt::LeftButton);
            QCOMPARE(row.sample->color(), row.color);
            QCOMPARE(row.sample->text(), row.mark);
        }

        QCOMPARE(game->editStatus->lines(), statusBefore);
        QVERIFY(game.journal.isEmpty() && help->isVisible());
    }

    // The menu and the ship picture show one window with its texts and greet
    // once per load, not on a mere activation, and not with sound off; OK
    // and Enter close it (Escape too, with the menus' keys), and the next
    // showing builds it afresh.
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
        QCOMPARE(m_game->journal, QStringList{"sound thankyou"});
        QTest::mouseClick(about->cmdOK, Qt::LeftButton);
        QTRY_VERIFY(about.isNull());

        QTest::mouseClick(game.picShip, Qt::LeftButton);
        about = frmAbout::instance();
        QVERIFY(about && about->isVisible());
        QCOMPARE(m_game->journal, QStringList(2, "sound thankyou"));
        QTest::keyClick(about, Qt::Key_Return);
        QTRY_VERIFY(about.isNull());

        game.mnuOptionsSound->trigger();
        game.mnuHelpAbout->trigger();
        about = frmAbout::instance();
        QVERIFY(about);
        QCOMPARE(m_game->journal.size(), 2);
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

QTEST_MAIN(HelpWindowsTest)
#include "tst_helpwindows.moc"
