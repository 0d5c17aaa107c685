// The game reference window: its texts, its colour legend, and one instance
// at a time beside a running game.

#include "GameWindow.h"
#include "ScriptedToolkit.h"
#include "StatusLog.h"
#include "TileButton.h"
#include "frmHelpGame.h"

#include <QAction>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QtTest>

namespace {

const QByteArray documentedGameText =
    "Playing The Game\r\n"
    "    1) Decide who will be hosting the game.\r\n"
    "    2) The host should click the \"Receive\" Button\r\n"
    "    3) The guest should type in the IP adress of the host and click \"Connect\"\r\n"
    "    4) You should get the message \"Connected to IP: xxx.xxx.xxx.xxx\" and a Chat Window should pop-up\r\n"
    "    5) You then position your ships.\r\n"
    "        5.1) Select a Ship in the Ship list, then position it on your home sea by selecting the position of its parts. (ex: carrier has 5 parts, so you would need to select 5 squares.)\r\n"
    "        5.2) Click \"Ready To Play\" when all your ships are in position\r\n"
    "    6) Once both players are Ready, the game will start. The computer decides who shoots first (randomly).\r\n"
    "    7) If it is your turn (indicated by the \"Turn To Play\" radio buttons), just click on the enemy sea to send a shot at the selected coordinate.\r\n"
    "    8) Once a player sunk all enemy ships, the game will end (go back to step 1).\r\n";

const QByteArray documentedColorsText =
    "Colors and Marks\r\n"
    "    Squares are different colors depending on their \"content\". An \"X\" in a square means that it was \"shot\". Here is a definition of what the colors mean.\r\n";

QString shownAsLines(const QByteArray& text)
{
    return QString::fromLatin1(text).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

} // namespace

class HelpGameTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { delete frmHelpGame::instance(); }

    // Open beside the game without blocking it, raised again rather than
    // doubled, built afresh after Done with the texts byte for byte, the
    // focus in the game text, and the legend: four rows top to bottom, each
    // sample left of its caption, clicking a sample changing nothing. The
    // game itself stays untouched.
    void oneInstanceBesideTheGameWithItsTextsAndLegend()
    {
        ScriptedToolkit toolkit;
        GameWindow game;
        const int promptsBefore = toolkit.prompts.size();
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
        QCOMPARE(frmHelpGame::gameText().toLatin1(), documentedGameText);
        QCOMPARE(frmHelpGame::colorsText().toLatin1(), documentedColorsText);
        QCOMPARE(help->editHelpText->toPlainText(), shownAsLines(documentedGameText));
        QCOMPARE(help->editColors->toPlainText(), shownAsLines(documentedColorsText));
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
        QCOMPARE(toolkit.prompts.size(), promptsBefore);
    }
};

QTEST_MAIN(HelpGameTest)
#include "tst_helpgame.moc"
