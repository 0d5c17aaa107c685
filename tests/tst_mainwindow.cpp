// SPDX-License-Identifier: GPL-3.0-or-later
// The main window as it opens, its seas on screen, from the keyboard, to
// assistive technology and under a light and a dark theme, the exit question,
// menu keys, and the status log.

#include "EventGate.h"
#include "MatchDriver.h"

#include <QAccessible>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGroupBox>
#include <QMenu>
#include <QScrollBar>
#include <QStyle>

#include <cmath>

namespace {

// The contrast ratio of two colours as the web's accessibility guidelines
// define it, 1 to 21.
double contrast(const QColor& a, const QColor& b)
{
    auto luminance = [](const QColor& c) {
        auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF()) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

} // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<ScriptedToolkit> toolkit;

    static QWidget* focused() { return QApplication::focusWidget(); }
    static void press(const QList<Qt::Key>& keys, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        for (const Qt::Key key : keys)
            QTest::keyClick(focused(), key, modifiers);
    }
    static bool showActive(GameWindow& game)
    {
        game->show();
        game->activateWindow();
        return QTest::qWaitForWindowActive(game.window.get());
    }

private slots:
    void init() { toolkit = std::make_unique<ScriptedToolkit>(); }
    void cleanup() { toolkit.reset(); }

    // A new game (its title, log and sound on are a11y_walk's and
    // tst_soundcues') with every square named: 0 = A1 top-left, 9 = J1, 10 = A2,
    // 99 = J10. Each tile lies under its column heading and beside its row
    // heading, on both seas (a11y_walk reads the same names from the
    // accessibility bus).
    void opensAsANewGameWithNamedSquares()
    {
        GameWindow game;
        QVERIFY(game->rdoShipCarrier->isChecked() && game->rdoEnemy->isChecked() && !game->rdoHome->isChecked());
        QCOMPARE(game->editIP->text(), QStringLiteral("192.168.0.1"));
        QWidget* client = game->centralWidget();
        const QList<QPair<int, QString>> squares{{0, "A1"}, {9, "J1"}, {10, "A2"}, {99, "J10"}, {37, "H4"}};
        for (const int sea : {0, 10}) {
            for (const auto& [index, name] : squares) {
                TileButton* tile = (sea ? game->butHomeTile : game->butEnemyTile)[index];
                const QPoint centre = tile->geometry().center();
                QLabel* letter = game->lblLetters[sea + index % 10];
                QLabel* number = game->lblNumbers[sea + index / 10];
                QCOMPARE(letter->text() + number->text(), name);
                const QPoint above = letter->mapTo(client, letter->rect().center());
                const QPoint beside = number->mapTo(client, number->rect().center());
                QVERIFY2(qAbs(above.x() - centre.x()) < 8 && above.y() < centre.y(), qPrintable(name));
                QVERIFY2(qAbs(beside.y() - centre.y()) < 9 && beside.x() < centre.x(), qPrintable(name));
            }
        }
    }

    // The game opens with the address box focused, and the menus' keys run
    // their commands whichever control has the focus, also in text boxes
    // that would take them as copy, cut or select-all; F1 and Ctrl+Q as
    // well. Escape closes the window a key opened.
    void menuKeysWinInTextBoxes_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::addColumn<QStringList>("done");
        const QStringList exit{"Disconnect and Exit Program?"};
        QTest::newRow("Ctrl+C, Chat > Close") << (Qt::ControlModifier | Qt::Key_C) << QStringList{"CloseChat"};
        QTest::newRow("Ctrl+X, Game > Exit") << (Qt::ControlModifier | Qt::Key_X) << exit;
        QTest::newRow("Ctrl+Q, Game > Exit") << (Qt::ControlModifier | Qt::Key_Q) << exit;
        QTest::newRow("Ctrl+A, Help > About") << (Qt::ControlModifier | Qt::Key_A) << QStringList{"sound thankyou", "frmAbout"};
        QTest::newRow("Ctrl+G, Help > Game Reference") << (Qt::ControlModifier | Qt::Key_G) << QStringList{"frmHelpGame"};
        QTest::newRow("F1, Help > Game Reference") << QKeyCombination(Qt::Key_F1) << QStringList{"frmHelpGame"};
    }

    void menuKeysWinInTextBoxes()
    {
        QFETCH(QKeyCombination, key);
        QFETCH(QStringList, done);
        GameWindow game;
        QVERIFY(showActive(game));
        QCOMPARE(focused(), game->editIP);
        toolkit->prompts.clear();
        for (QWidget* control : QWidgetList{game->editIP, game->editLastShot, game->editStatus}) {
            QVERIFY(showActive(game));
            control->setFocus();
            QTest::keyClick(control, key.key(), key.keyboardModifiers());
            QStringList seen = game.journal + std::exchange(toolkit->prompts, {});
            game.journal.clear();
            for (QWidget* window : QApplication::topLevelWidgets()) {
                if (window == game.window.get() || !window->isVisible())
                    continue;
                seen << window->objectName();
                window->activateWindow();
                QTRY_COMPARE(QApplication::activeWindow(), window);
                QTest::keyClick(window, Qt::Key_Escape);
                QTRY_VERIFY(!window->isVisible());
            }
            QCOMPARE(seen, done);
        }
    }

    // Each sea is one tab stop; the arrows move within it and stop at its
    // edges; Space, Enter and the keypad's Enter click the square.
    void arrowsWalkASea()
    {
        GameWindow game;
        QVERIFY(showActive(game));
        game->butHomeTile[0]->setFocus();
        press({Qt::Key_Space, Qt::Key_Up, Qt::Key_Left});
        QCOMPARE(focused(), game->butHomeTile[0]);
        press({Qt::Key_Right, Qt::Key_Return, Qt::Key_Down, Qt::Key_Right});
        QCOMPARE(focused(), game->butHomeTile[12]);
        press(QList<Qt::Key>(12, Qt::Key_Down));
        QCOMPARE(focused(), game->butHomeTile[92]);
        press({Qt::Key_Enter}, Qt::KeypadModifier);
        // Not connected, each click on the Home Sea beeps.
        QCOMPARE(toolkit->beeps, 3);
        press({Qt::Key_Tab});
        QCOMPARE(focused(), game->butResetShips);
        press({Qt::Key_Backtab}, Qt::ShiftModifier);
        QCOMPARE(focused(), game->butHomeTile[92]);
    }

    // The focused square is ringed in black, whatever its colour.
    void focusedSquareIsRinged()
    {
        GameWindow game;
        QVERIFY(showActive(game));
        game->butHomeTile[92]->setFocus();
        const QImage ring = game->butHomeTile[92]->grab().toImage();
        QCOMPARE(ring.pixelColor(1, ring.height() / 2), QColor(Qt::black));
        const QImage plain = game->butHomeTile[91]->grab().toImage();
        QCOMPARE(plain.pixelColor(1, plain.height() / 2), QColor(0, 0, 255));
    }

    // A click leaves the focus where it was, moves the sea's stop, and runs
    // the handler as before.
    void theMouseLeavesTheFocusAndMovesTheStop()
    {
        GameWindow game;
        QVERIFY(showActive(game));
        QTest::mouseClick(game->butHomeTile[2], Qt::LeftButton);
        QTest::mouseClick(game->butEnemyTile[55], Qt::LeftButton);
        QCOMPARE(focused(), game->editIP);
        QCOMPARE(toolkit->beeps, 2);
        game->butResetShips->setFocus();
        press({Qt::Key_Backtab}, Qt::ShiftModifier);
        QCOMPARE(focused(), game->butHomeTile[2]);
        press({Qt::Key_Backtab}, Qt::ShiftModifier);
        QCOMPARE(focused(), game->butEnemyTile[55]);
    }

    // The seas stand on the theme's Button colour, the other frames on its
    // Window colour; every caption keeps a contrast of at least 4.5:1 under a
    // light and a dark theme, and the tiles keep their exact colours.
    void framesFollowTheThemeReadably_data()
    {
        QTest::addColumn<QPalette>("theme");
        QTest::newRow("light") << QApplication::style()->standardPalette();
        QPalette dark(QColor(0xE6, 0xE6, 0xE6), QColor(0x3C, 0x3F, 0x41), QColor(0x55, 0x58, 0x5A),
                      QColor(0x1E, 0x1F, 0x20), QColor(0x2B, 0x2D, 0x2E), QColor(0xE6, 0xE6, 0xE6),
                      Qt::white, QColor(0x1E, 0x1F, 0x20), QColor(0x2E, 0x30, 0x32));
        QTest::newRow("dark") << dark;
    }

    void framesFollowTheThemeReadably()
    {
        QFETCH(QPalette, theme);
        GameWindow game;
        game->show();
        QApplication::setPalette(theme);
        QCoreApplication::processEvents();

        for (QGroupBox* frame : {game->frameEnemy, game->frameHome, game->frameShips, game->frameTurn, game->frameConnection}) {
            const QColor fill = frame->palette().color(frame->backgroundRole());
            QVERIFY(frame->autoFillBackground());
            QCOMPARE(fill, theme.color(frame == game->frameEnemy || frame == game->frameHome ? QPalette::Button : QPalette::Window));
            const QWidgetList captions = frame->findChildren<QWidget*>() << frame;
            for (QWidget* caption : captions) {
                if (qobject_cast<QLineEdit*>(caption) || qobject_cast<QPushButton*>(caption))
                    continue;
                const double ratio = contrast(caption->palette().color(caption == frame ? QPalette::WindowText : caption->foregroundRole()), fill);
                QVERIFY2(ratio >= 4.5, qPrintable(caption->objectName() + " " + QString::number(ratio)));
            }
        }

        const QImage image = game->centralWidget()->grab().toImage();
        for (int index = 0; index < 100; ++index) {
            QCOMPARE(image.pixelColor(game->butHomeTile[index]->geometry().center()), QColor(0, 0, 255));
            QCOMPARE(image.pixelColor(game->butEnemyTile[index]->geometry().center()), QColor(255, 255, 255));
        }
        QApplication::setPalette(QApplication::style()->standardPalette());
    }

    // Cancel keeps the window and the connection, and a value that arrives
    // while the question is open is handled after it; OK closes.
    void exitAsksFirst()
    {
        GameWindow host;
        GameWindow guest;
        QVERIFY(MatchDriver::connectPair(host, guest));
        toolkit.reset();
        toolkit = std::make_unique<ScriptedToolkit>();
        guest->show();
        QSignalSpy closed(guest.window.get(), &frmMain::closed);
        toolkit->whileOpen = [&](const QString&) {
            QVERIFY(host->Winsock1->SendData(500).ok());
            // The host's send progress and completion, and the guest's arrival.
            QTRY_COMPARE(EventGate::instance().pending(), std::size_t(3));
            QCOMPARE(guest->editStatus->lines().last(), QStringLiteral("Please position your ships"));
        };
        toolkit->answers << Toolkit::vbCancel;
        QVERIFY(!guest->close());
        toolkit->whileOpen = nullptr;
        QCOMPARE(toolkit->prompts, QStringList{QStringLiteral("Disconnect and Exit Program?")});
        QCOMPARE(toolkit->titles, QStringList{QStringLiteral("Ossaria")});
        QVERIFY(guest->isVisible() && !guest->butConnect->isEnabled());
        QCOMPARE(guest->Winsock1->State(), short(Winsock::sckConnected));
        QTRY_COMPARE(guest->editStatus->lines().last(), QStringLiteral("Received Garbage"));
        QCOMPARE(toolkit->beeps, 1);

        toolkit->prompts.clear();
        toolkit->answers << Toolkit::vbOK;
        guest->mnuFileExit->trigger();
        QCOMPARE(toolkit->prompts, QStringList{QStringLiteral("Disconnect and Exit Program?")});
        QVERIFY(!guest->isVisible());
        QCOMPARE(closed.count(), 1);
        QCOMPARE(guest->editStatus->lines().last(), QStringLiteral("Closing connection..."));
        QCOMPARE(guest->Winsock1->State(), short(Winsock::sckClosed));
    }

    // A screen reader reads the log's text as shown; what arrives in one pass
    // is added after it, at once. A line selected from the keyboard is copied
    // from the context menu. The newest 10,000 lines are kept and the view
    // follows the newest; a line break in a message starts a line; a new game
    // replaces the whole text.
    void statusLogReadsAndKeepsItsNewestLines()
    {
        GameWindow game;
        game->show();
        QVERIFY(QTest::qWaitForWindowExposed(game.window.get()));
        StatusLog* log = game->editStatus;
        QAccessibleTextInterface* reader = QAccessible::queryAccessibleInterface(log)->textInterface();
        QVERIFY(reader);
        auto reads = [reader] { return reader->text(0, reader->characterCount()); };
        game->AppendStatus(QStringLiteral("Connecting..."));
        game->AppendStatus(QStringLiteral("Received Garbage"));
        QCOMPARE(reads(), QStringLiteral("New Game..."));
        QTRY_COMPARE(reads(), QStringLiteral("New Game...\nConnecting...\nReceived Garbage"));

        log->setFocus();
        QTest::keyClick(log, Qt::Key_Home, Qt::ShiftModifier);
        QContextMenuEvent request(QContextMenuEvent::Keyboard, QPoint(10, 10), log->mapToGlobal(QPoint(10, 10)));
        QApplication::sendEvent(log->viewport(), &request);
        QTRY_VERIFY(qobject_cast<QMenu*>(QApplication::activePopupWidget()));
        QApplication::activePopupWidget()->findChild<QAction*>(QStringLiteral("edit-copy"))->trigger();
        QApplication::activePopupWidget()->close();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Received Garbage"));

        for (int line = 3; line < 10049; ++line)
            game->AppendStatus(QStringLiteral("line %1").arg(line));
        game->AppendStatus(QStringLiteral("line 10049\r\nline 10050"));
        const QStringList lines = log->lines();
        QCOMPARE(lines.size(), 10000);
        QCOMPARE(lines.first(), QStringLiteral("line 51"));
        QCOMPARE(lines.last(), QStringLiteral("line 10050"));
        QTRY_COMPARE(reads(), lines.join(u'\n'));
        QCOMPARE(log->verticalScrollBar()->value(), log->verticalScrollBar()->maximum());
        game->mnuFileNew->trigger();
        QCOMPARE(log->lines(), QStringList{QStringLiteral("New Game...")});
        QCOMPARE(reads(), QStringLiteral("New Game..."));
    }
};

QTEST_MAIN(MainWindowTest)
#include "tst_mainwindow.moc"
