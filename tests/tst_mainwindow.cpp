// The main window as it opens, its layout in pixels, the exit question, and
// Game > New while a connection stands.

#include "EventGate.h"
#include "GameWindow.h"
#include "MatchDriver.h"
#include "PictureBox.h"
#include "ScriptedToolkit.h"
#include "StatusLog.h"
#include "TileButton.h"
#include "Winsock.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>

namespace {

// Documented positions are in twips, 15 to a pixel.
QRect twips(int left, int top, int width, int height)
{
    return QRect(left / 15, top / 15, width / 15, height / 15);
}

QRect enemyTile(int index)
{
    return twips(600 + 300 * (index % 10), 600 + 300 * (index / 10), 240, 270);
}

QRect homeTile(int index)
{
    return twips(4275 + 300 * (index % 10), 600 + 300 * (index / 10), 240, 270);
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedToolkit> toolkit;

    void connectWindows(GameWindow& host, GameWindow& guest)
    {
        QVERIFY(MatchDriver::connectPair(host, guest));
        toolkit->prompts.clear();
    }

private slots:
    void init() { toolkit = std::make_unique<ScriptedToolkit>(); }
    void cleanup() { toolkit.reset(); }

    void opensAsANewGame()
    {
        GameWindow game;
        QCOMPARE(game->windowTitle(), QStringLiteral("Ossaria"));
        QCOMPARE(game->centralWidget()->size(), QSize(503, 461));
        for (int index = 0; index < 100; ++index) {
            QCOMPARE(game->butHomeTile[index]->color(), quint32(0xFF0000));
            QCOMPARE(game->butEnemyTile[index]->color(), quint32(0xFFFFFF));
            QVERIFY(game->butHomeTile[index]->text().isEmpty() && game->butEnemyTile[index]->text().isEmpty());
            QCOMPARE(game->findChild<TileButton*>(QStringLiteral("butHomeTile_%1").arg(index)),
                     game->butHomeTile[index]);
        }
        QVERIFY(game->rdoShipCarrier->isChecked());
        QVERIFY(game->rdoEnemy->isChecked() && !game->rdoHome->isChecked());
        QCOMPARE(game->editStatus->lines(), QStringList{QStringLiteral("New Game...")});
        QVERIFY(game->mnuOptionsSound->isChecked());
        QVERIFY(game->bSoundOn);
        QVERIFY(!game->bConnected && !game->bHost && !game->bPlacing && !game->bGameOn);
        QCOMPARE(game->editIP->text(), QStringLiteral("192.168.0.1"));
        QCOMPARE(game->Winsock1->RemotePort, 6431);

        const QList<QPair<QWidget*, QString>> captions{
            {game->frameEnemy, QStringLiteral("Enemy Sea")}, {game->frameHome, QStringLiteral("Home Sea")},
            {game->frameShips, QStringLiteral("Ships")}, {game->frameTurn, QStringLiteral("Turn to Play")},
            {game->frameConnection, QStringLiteral("Connection")}, {game->rdoShipCruiser, QStringLiteral("Cruiser(3)")},
            {game->rdoShipPTBoat, QStringLiteral("PTBoat (2)")}, {game->rdoEnemy, QStringLiteral("Enemy's Turn")},
            {game->butReady, QStringLiteral("Ready to Play")}, {game->butResetShips, QStringLiteral("Reset Ships")},
            {game->butReceive, QStringLiteral("Receive")}, {game->lblIP, QStringLiteral("IP:")}};
        for (const auto& [control, caption] : captions) {
            const QVariant text = control->property(qobject_cast<QGroupBox*>(control) ? "title" : "text");
            QCOMPARE(text.toString(), caption);
        }
    }

    void tilesAndLabelsFollowTheDocumentedPixels()
    {
        GameWindow game;
        for (int index = 0; index < 100; ++index) {
            QCOMPARE(game->butEnemyTile[index]->geometry(), enemyTile(index));
            QCOMPARE(game->butHomeTile[index]->geometry(), homeTile(index));
        }
        const QList<QPair<QWidget*, QRect>> places{
            {game->frameEnemy, twips(150, 150, 3540, 3540)}, {game->frameHome, twips(3825, 150, 3540, 3540)},
            {game->editLastShot, twips(2850, 3825, 315, 255)}, {game->butReady, twips(3825, 4050, 1590, 240)},
            {game->picShip, twips(2475, 4200, 1185, 960)}, {game->frameShips, twips(5625, 3825, 1740, 1515)},
            {game->frameTurn, twips(3825, 4350, 1590, 990)}, {game->frameConnection, twips(150, 3825, 2190, 1665)},
            {game->editIP, twips(525, 300, 1440, 255)}, {game->butDisconnect, twips(150, 1275, 1890, 240)},
            {game->editStatus, twips(150, 5550, 7215, 1215)}, {game->lblLetters[13], twips(1350, 225, 165, 165)}};
        for (const auto& [control, place] : places)
            QCOMPARE(control->geometry(), place);
    }

    // 0 = A1 top-left, 9 = J1, 10 = A2, 99 = J10: each tile lies under its
    // column heading and beside its row heading, on both seas.
    void tileIndexNamesColumnAndRow()
    {
        GameWindow game;
        QWidget* client = game->centralWidget();
        const QList<QPair<int, QString>> squares{{0, "A1"}, {9, "J1"}, {10, "A2"}, {99, "J10"}, {37, "H4"}};
        for (const int sea : {0, 10}) {
            for (const auto& [index, name] : squares) {
                const QPoint tile = (sea ? game->butHomeTile : game->butEnemyTile)[index]->geometry().center();
                QLabel* letter = game->lblLetters[sea + index % 10];
                QLabel* number = game->lblNumbers[sea + index / 10];
                QCOMPARE(letter->text() + number->text(), name);
                const QPoint above = letter->mapTo(client, letter->rect().center());
                const QPoint beside = number->mapTo(client, number->rect().center());
                QVERIFY2(qAbs(above.x() - tile.x()) < 8 && above.y() < tile.y(), qPrintable(name));
                QVERIFY2(qAbs(beside.y() - tile.y()) < 9 && beside.x() < tile.x(), qPrintable(name));
            }
        }
    }

    void tilesShowTheirStateColours()
    {
        GameWindow game;
        game->butHomeTile[37]->setColor(TileButton::Yellow);
        game->butEnemyTile[99]->setColor(TileButton::Red);
        const QImage image = game->centralWidget()->grab().toImage();
        QCOMPARE(image.size(), QSize(503, 461));
        for (int index = 0; index < 100; ++index) {
            const QColor home = image.pixelColor(homeTile(index).center());
            const QColor enemy = image.pixelColor(enemyTile(index).center());
            QCOMPARE(home, index == 37 ? QColor(255, 255, 0) : QColor(0, 0, 255));
            QCOMPARE(enemy, index == 99 ? QColor(255, 0, 0) : QColor(255, 255, 255));
        }
    }

    void exitAsksFirstAndCancelKeepsTheWindow()
    {
        GameWindow game;
        game->show();
        // Only what the exit asks, not the start-up's notice of the missing library.
        toolkit->prompts.clear();
        toolkit->titles.clear();
        toolkit->buttons.clear();
        QSignalSpy closed(game.window.get(), &frmMain::closed);
        toolkit->answers << Toolkit::vbCancel;
        QVERIFY(!game->close());
        QVERIFY(game->isVisible());
        QCOMPARE(toolkit->prompts, QStringList{QStringLiteral("Disconnect and Exit Program?")});
        QCOMPARE(toolkit->titles, QStringList{QStringLiteral("Ossaria")});
        QCOMPARE(toolkit->buttons, QList<int>{Toolkit::vbOKCancel});
        QCOMPARE(game->editStatus->lines(), QStringList{QStringLiteral("New Game...")});

        toolkit->answers << Toolkit::vbOK;
        game->mnuFileExit->trigger();
        QCOMPARE(toolkit->prompts.size(), 2);
        QVERIFY(!game->isVisible());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(game->editStatus->lines().last(), QStringLiteral("Closing connection..."));
    }

    // A value that arrives while the question is open is handled after it.
    void cancelledExitLeavesTheConnectionStanding()
    {
        GameWindow host;
        GameWindow guest;
        connectWindows(host, guest);
        toolkit->whileOpen = [&](const QString&) {
            QVERIFY(host->Winsock1->SendData(500).ok());
            // The host's send progress and completion, and the guest's arrival.
            QTRY_COMPARE(EventGate::instance().pending(), std::size_t(3));
            QCOMPARE(guest->editStatus->lines().last(), QStringLiteral("Please position your ships"));
        };
        toolkit->answers << Toolkit::vbCancel;
        QVERIFY(!guest->close());
        toolkit->whileOpen = nullptr;
        QVERIFY(guest->bConnected && guest->bPlacing && !guest->butConnect->isEnabled());
        QCOMPARE(guest->Winsock1->State(), short(Winsock::sckConnected));
        QTRY_COMPARE(guest->editStatus->lines().last(), QStringLiteral("Received Garbage"));
        QCOMPARE(toolkit->beeps, 1);
    }

    void receiveRefusedAtOnceIsReportedAndChangesNothing()
    {
        QTcpServer occupant;
        QVERIFY(occupant.listen(QHostAddress::AnyIPv4, 6431));
        GameWindow game;
        toolkit->prompts.clear();
        game->butReceive_Click();
        QCOMPARE(toolkit->prompts, QStringList{QStringLiteral("Error #10048: Address in use")});
        QVERIFY(!game->bHost);
        QCOMPARE(game->Winsock1->State(), short(Winsock::sckClosed));

        occupant.close();
        game->butReceive_Click();
        QVERIFY(game->bHost);
        game->butReceive_Click();
        QCOMPARE(toolkit->prompts.last(), QStringLiteral("Error #40020: Invalid operation at current state"));
        QCOMPARE(game->Winsock1->State(), short(Winsock::sckListening));
        QVERIFY(game->bHost && game->butReceive->isEnabled());
    }

    void gameNewDuringAConnectionResetsBothSides()
    {
        GameWindow host;
        GameWindow guest;
        connectWindows(host, guest);
        guest->iShotTile = 37;
        guest->mnuOptionsSound->trigger();
        QVERIFY(!guest->bSoundOn);

        guest->mnuFileNew->trigger();
        QCOMPARE(toolkit->prompts, QStringList{});
        QCOMPARE(guest->editStatus->lines(), QStringList{QStringLiteral("New Game...")});
        QCOMPARE(guest->Winsock1->State(), short(Winsock::sckClosed));
        QVERIFY(!guest->bConnected && !guest->bPlacing && guest->butConnect->isEnabled()
                && guest->butReceive->isEnabled());
        QVERIFY(!guest->bSoundOn);
        QCOMPARE(guest->iShotTile, short(37));

        QTRY_COMPARE(host->editStatus->lines(), QStringList{QStringLiteral("New Game...")});
        QTest::qWait(150);
        QCOMPARE(toolkit->prompts, QStringList{QStringLiteral("Disconnected")});
        QCOMPARE(host.journal.filter(QStringLiteral("disconnected")),
                 QStringList{QStringLiteral("sound disconnected wait")});
        QVERIFY(!host->bConnected && !host->bHost);
        QCOMPARE(host->Winsock1->State(), short(Winsock::sckClosed));
    }

    void statusLogKeepsItsNewestLines()
    {
        GameWindow game;
        for (int line = 0; line < StatusLog::MaxLines + 50; ++line)
            game->AppendStatus(QStringLiteral("line %1").arg(line));
        const QStringList lines = game->editStatus->lines();
        QCOMPARE(lines.size(), StatusLog::MaxLines);
        QCOMPARE(lines.first(), QStringLiteral("line 50"));
        QCOMPARE(lines.last(), QStringLiteral("line %1").arg(StatusLog::MaxLines + 49));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
