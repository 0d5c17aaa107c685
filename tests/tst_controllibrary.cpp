// The game meets the control library only at run time: found beside the
// program, created by name, called by name; missing or broken, it is named
// once and the game goes on with its notices in the status log.

#include "RecordingWavePlayer.h"
#include "ScriptedToolkit.h"
#include "StatusLog.h"
#include "frmMain.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>

class ControlLibraryTest : public QObject {
    Q_OBJECT
    std::unique_ptr<ScriptedToolkit> toolkit;

    std::unique_ptr<frmMain> openGame(const QStringList& folders)
    {
        auto game = std::make_unique<frmMain>(std::make_unique<RecordingWavePlayer>(), folders);
        QCoreApplication::processEvents();
        return game;
    }
    QList<QWidget*> messageBoxes() const
    {
        QList<QWidget*> boxes;
        for (QWidget* widget : QApplication::topLevelWidgets())
            if (widget->objectName() == "frmMsgBox" && widget->isVisible())
                boxes << widget;
        return boxes;
    }

private slots:
    void init() { toolkit = std::make_unique<ScriptedToolkit>(); }
    void cleanup() { toolkit.reset(); }

    void missingLibraryIsNamedOnceAndNoticesGoToTheLog();
    void brokenLibraryIsNamedWithTheLoadersReason();
    void realLibraryShowsOneNonModalBox();
};

void ControlLibraryTest::missingLibraryIsNamedOnceAndNoticesGoToTheLog()
{
    QTemporaryDir empty;
    auto game = openGame({empty.path()});
    QCOMPARE(toolkit->prompts.size(), 1);
    QVERIFY(toolkit->prompts[0].contains(empty.path() + "/libqvcontrols.so"));
    QVERIFY(toolkit->prompts[0].contains("file not found"));
    QVERIFY(!game->QvControls1);

    game->bPlacing = true;
    game->butHomeTile_Click(5);
    game->butHomeTile_Click(7);
    QCOMPARE(game->editStatus->lines().last(), QString("All parts the ship must be adjacent!"));
    game->mnuChatClose_Click();
    game->bConnected = true;
    game->mnuChatOpen_Click();
    QCOMPARE(toolkit->prompts.size(), 1);
}

void ControlLibraryTest::brokenLibraryIsNamedWithTheLoadersReason()
{
    QTemporaryDir folder;
    QFile broken(folder.filePath("libqvcontrols.so"));
    QVERIFY(broken.open(QIODevice::WriteOnly));
    broken.write("not a library");
    broken.close();
    auto game = openGame({folder.path(), folder.path()});
    QCOMPARE(toolkit->prompts.size(), 1);
    QVERIFY(toolkit->prompts[0].contains(broken.fileName()));
    QVERIFY(!toolkit->prompts[0].contains("file not found"));
    QVERIFY(!game->QvControls1);
}

void ControlLibraryTest::realLibraryShowsOneNonModalBox()
{
    QTemporaryDir empty;
    // Beside the program comes first; a later folder is not needed.
    auto game = openGame({QCoreApplication::applicationDirPath(), empty.path()});
    QVERIFY(toolkit->prompts.isEmpty());
    QVERIFY(game->QvControls1);
    QCOMPARE(game->QvControls1->objectName(), QString("QvControls1"));
    QCOMPARE(game->QvControls1->parentWidget(), game.get());

    game->ShowNotice("Please select a ship to position");
    game->ShowNotice("You Win!");
    QTRY_COMPARE(messageBoxes().size(), 1);
    QWidget* box = messageBoxes().first();
    QCOMPARE(box->windowTitle(), QString("Message"));
    QCOMPARE(box->findChild<QLabel*>("lblMessage")->text(), QString("You Win!"));
    QVERIFY(!box->isModal());
    QCOMPARE(toolkit->beeps, 0);
    QVERIFY(game->editStatus->lines() == QStringList{"New Game..."});
}

QTEST_MAIN(ControlLibraryTest)
#include "tst_controllibrary.moc"
