#include "frmHelpGame.h"

#include "Accessibility.h"
#include "DesignFont.h"
#include "Pictures.h"
#include "TileButton.h"
#include "Toolkit.h"
#include "Placing.h"
#include "SingleWindow.h"
#include "Twips.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QShortcut>

namespace {

QPointer<frmHelpGame> g_instance;

// The legend's red is darker than the red the seas use for a hit.
constexpr quint32 LegendRed = 0x0000C0;

struct LegendRow {
    int top;
    int tile;
    const char* mark;
    quint32 color;
    QLabel* frmHelpGame::*label;
    const char* labelName;
    const char* text;
};

// Top to bottom; the blanks after each colon line the descriptions up.
const LegendRow legendRows[] = {
    {3825, 0, "", TileButton::White, &frmHelpGame::Label1, "Label1",
     QT_TRANSLATE_NOOP("frmHelpGame", "1) White:   Unknown content (enemy sea)")},
    {4125, 3, "X", TileButton::Blue, &frmHelpGame::Label4, "Label4",
     QT_TRANSLATE_NOOP("frmHelpGame", "2) Blue:    Water (no hit)")},
    {4425, 1, "X", LegendRed, &frmHelpGame::Label3, "Label3", QT_TRANSLATE_NOOP("frmHelpGame", "3) Red:     Hit Ship")},
    {4725, 2, "", TileButton::Yellow, &frmHelpGame::Label2, "Label2",
     QT_TRANSLATE_NOOP("frmHelpGame", "4) Yellow:  Ship (home sea)")},
};

QPlainTextEdit* textBox(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* box = place<QPlainTextEdit>(parent, name, geometry);
    box->setPlainText(text);
    // Reference text: it can be scrolled, selected and copied, not changed.
    box->setReadOnly(true);
    box->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
    return box;
}

// A sample square reads as what it stands for, "Blue with X: Water (no hit)",
// from its label without the number and the blanks that line it up.
QString sampleName(const LegendRow& row)
{
    const QString text = frmHelpGame::tr(row.text).section(QLatin1Char(')'), 1, -1).simplified();
    const QString colour = text.section(QLatin1Char(':'), 0, 0).trimmed();
    const QString meaning = text.section(QLatin1Char(':'), 1, -1).trimmed();
    const QString mark = *row.mark ? frmHelpGame::tr(" with %1").arg(QLatin1String(row.mark)) : QString();
    return QStringLiteral("%1%2: %3").arg(colour, mark, meaning);
}

} // namespace

QString frmHelpGame::gameText()
{
    return tr(
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
        "    8) Once a player sunk all enemy ships, the game will end (go back to step 1).\r\n");
}

QString frmHelpGame::colorsText()
{
    return tr(
        "Colors and Marks\r\n"
        "    Squares are different colors depending on their \"content\". An \"X\" in a square means that it was \"shot\". Here is a definition of what the colors mean.\r\n");
}

frmHelpGame* frmHelpGame::showInstance(QWidget* owner)
{
    return showSingleWindow(g_instance, [owner] { return new frmHelpGame(owner); });
}

frmHelpGame* frmHelpGame::instance()
{
    return g_instance;
}

frmHelpGame::frmHelpGame(QWidget* owner)
    : QWidget(owner, Qt::Window)
{
    Accessibility::install();
    setObjectName(QStringLiteral("frmHelpGame"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Game Help"));
    setWindowIcon(Pictures::windowIcon());
    setFixedSize(Twips::size(8085, 5100));
    setFont(designFont());

    // Built in tab order: the game text comes first.
    buildTexts();
    buildLegend();
    buildButtons();
    new QShortcut(QKeySequence(Qt::Key_Escape), this, this, &QWidget::close);
}

void frmHelpGame::buildTexts()
{
    editHelpText = textBox(this, "editHelpText", gameText(), Twips::rect(225, 300, 7590, 2715));
    editColors = textBox(this, "editColors", colorsText(), Twips::rect(225, 3075, 7590, 615));
    editHelpText->setAccessibleName(gameText().section(QStringLiteral("\r\n"), 0, 0));
    editColors->setAccessibleName(colorsText().section(QStringLiteral("\r\n"), 0, 0));
}

void frmHelpGame::buildLegend()
{
    for (const LegendRow& row : legendRows) {
        auto* sample = new TileButton(this);
        sample->setObjectName(QStringLiteral("butHomeTile_%1").arg(row.tile));
        sample->setGeometry(Twips::rect(225, row.top, 240, 270));
        sample->setColor(row.color);
        sample->setText(QLatin1String(row.mark));
        sample->setAccessibleName(sampleName(row));
        butHomeTile[row.tile] = sample;

        auto* label = new QLabel(this);
        label->setObjectName(QLatin1String(row.labelName));
        label->setGeometry(Twips::rect(525, row.top, 3840, 240));
        label->setTextFormat(Qt::PlainText);
        label->setText(tr(row.text));
        this->*row.label = label;
    }
}

void frmHelpGame::buildButtons()
{
    butPrint = button(this, "butPrint", tr("&Print"), Twips::rect(5700, 4050, 1290, 390));
    butDone = button(this, "butDone", tr("&Done"), Twips::rect(5700, 4500, 1290, 390));
    connect(butPrint, &QPushButton::clicked, this, &frmHelpGame::butPrint_Click);
    connect(butDone, &QPushButton::clicked, this, &frmHelpGame::butDone_Click);
}

void frmHelpGame::butDone_Click()
{
    close();
}

// Without a printer nothing is printed and nothing is said: the window has no
// message of its own for it.
void frmHelpGame::butPrint_Click()
{
    Toolkit::PrintWindow(this);
}
