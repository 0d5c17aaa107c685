// SPDX-License-Identifier: GPL-3.0-or-later
// The game meets the control library only at run time: found beside the
// program, created by name, called by name; missing or broken, it is named
// once and the game goes on with its notices in the status log.

#include "ControlHarness.h"
#include "GameWindow.h"
#include "Ports.h"

#include <QTcpServer>
#include <QTemporaryDir>

class ControlLibraryTest : public QObject {
    Q_OBJECT
    ScriptedToolkit toolkit;

private slots:
    void init() { toolkit.prompts.clear(); }

    // A null content means no file at all.
    void unusableLibraryIsNamedOnceAndNoticesGoToTheLog_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("missing") << QByteArray();
        QTest::newRow("broken") << QByteArray("not a library");
    }

    void unusableLibraryIsNamedOnceAndNoticesGoToTheLog()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        const QString path = folder.filePath("libqvcontrols.so");
        QFile library(path);
        QVERIFY(content.isNull() || (library.open(QIODevice::WriteOnly) && library.write(content) == content.size()));
        library.close();
        auto game = openGame({folder.path(), folder.path()});
        QCOMPARE(toolkit.prompts.size(), 1);
        QVERIFY(toolkit.prompts[0].contains(path));
        QCOMPARE(toolkit.prompts[0].contains("file not found"), content.isNull());
        QVERIFY(!game->QvControls1);

        // Joined to a host, with nothing to open a chat: no box, the notice in the log.
        QTcpServer host;
        QVERIFY(host.listen(QHostAddress::LocalHost, GamePort));
        game->editIP->setText("127.0.0.1");
        game->butConnect->click();
        QTRY_COMPARE(game->editStatus->lastLine(), QString("Please position your ships"));
        game->butHomeTile[5]->click();
        game->butHomeTile[7]->click();
        QCOMPARE(game->editStatus->lastLine(), QString("All parts the ship must be adjacent!"));
        game->mnuChatClose->trigger();
        game->mnuChatOpen->trigger();
        QCOMPARE(toolkit.prompts.size(), 1);
    }

    void realLibraryShowsOneNonModalBox()
    {
        QTemporaryDir empty;
        // Beside the program comes first; a later folder is not needed.
        auto game = openGame({QCoreApplication::applicationDirPath(), empty.path()});
        QVERIFY(toolkit.prompts.isEmpty());
        QVERIFY(game->QvControls1);
        QCOMPARE(game->QvControls1->objectName(), QString("QvControls1"));
        QCOMPARE(game->QvControls1->parentWidget(), game.get());

        game->ShowNotice("You Win!");
        QTRY_COMPARE(ControlHarness::shownWindows("frmMsgBox").size(), 1);
        QWidget* box = ControlHarness::shownWindows("frmMsgBox").first();
        QCOMPARE(box->findChild<QLabel*>("lblMessage")->text(), QString("You Win!"));
        QVERIFY(!box->isModal());
        QCOMPARE(game->editStatus->lines(), QStringList{"New Game..."});
    }
};

QTEST_MAIN(ControlLibraryTest)
#include "tst_controllibrary.moc"
