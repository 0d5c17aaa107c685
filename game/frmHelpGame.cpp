// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmHelpGame.h"

#include "Accessibility.h"
#include "DesignFont.h"
#include "Pictures.h"
#include "TileButton.h"
#include "Toolkit.h"
#include "Translations.h"
#include "Placing.h"
#include "SingleWindow.h"
#include "Twips.h"

#include <QFile>
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

// In the game's language: help/<language>/ holds each translation's.
QString helpText(const QString& name)
{
    const QString language = Translations::current();
    QFile file(QStringLiteral(":/help/") + (language.isEmpty() ? QString() : language + u'/') + name);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).replace(u'\n', QStringLiteral("\r\n"));
}

} // namespace

// The texts live in the resource files help/game.txt and help/colors.txt, and
// in help/<language>/ for each translation, one line per line; the boxes
// have every line ended by CR LF.
QString frmHelpGame::gameText()
{
    return helpText(QStringLiteral("game.txt"));
}

QString frmHelpGame::colorsText()
{
    return helpText(QStringLiteral("colors.txt"));
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
