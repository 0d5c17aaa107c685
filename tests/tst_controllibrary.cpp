// The game meets the control library only at run time: found beside the
// program, created by name, called by name; missing or broken, it is named
// once and the game goes on with its notices in the status log.

#include "GameWindow.h"

#include <QTemporaryDir>

class ControlLibraryTest : public QObject {
    Q_OBJECT
    ScriptedToolkit toolkit;

    std::unique_ptr<frmMain> openGame(const QStringList& folders)
    {
        auto game = std::make_unique<frmMain>(std::make_unique<RecordingWavePlayer>(), folders);
        QCoreApplication::processEvents();
        return game;
    }

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

        game->bPlacing = true;
        game->butHomeTile_Click(5);
        game->butHomeTile_Click(7);
        QCOMPARE(game->editStatus->lines().last(), QString("All parts the ship must be adjacent!"));
        game->mnuChatClose_Click();
        game->bConnected = true;
        game->mnuChatOpen_Click();
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

        game->ShowNotice("Please select a ship to position");
        game->ShowNotice("You Win!");
        const auto shownBoxes = [] {
            QList<QWidget*> boxes = QApplication::topLevelWidgets();
            boxes.removeIf([](QWidget* widget) { return widget->objectName() != "frmMsgBox" || !widget->isVisible(); });
            return boxes;
        };
        QTRY_COMPARE(shownBoxes().size(), 1);
        QCOMPARE(shownBoxes().first()->findChild<QLabel*>("lblMessage")->text(), QString("You Win!"));
        QVERIFY(!shownBoxes().first()->isModal());
        QCOMPARE(game->editStatus->lines(), QStringList{"New Game..."});
    }
};

QTEST_MAIN(ControlLibraryTest)
#include "tst_controllibrary.moc"
