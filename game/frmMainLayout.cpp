// SPDX-License-Identifier: GPL-3.0-or-later
// The window as designed: every control at its place, with its caption.
// Positions are in twips, relative to the client area or to the enclosing
// frame.

#include "frmMain.h"

#include "PictureBox.h"
#include "Placing.h"
#include "Pictures.h"
#include "StatusLog.h"
#include "SeaFocus.h"
#include "ThemedFrame.h"
#include "TileButton.h"
#include "Twips.h"
#include "DesignFont.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The seas stand on the system's active-border colour. Qt's palette has no
// such role; the nearest one the theme sets is Button, the 3-D face colour,
// which classic desktop schemes give to the active border as well. The other
// frames stand on the window colour.
QGroupBox* frame(QWidget* parent, QPalette::ColorRole surface, const char* name, const QString& caption,
                 const QRect& geometry)
{
    auto* box = new ThemedFrame(surface, parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    box->setTitle(caption);
    return box;
}

QRadioButton* option(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* control = place<QRadioButton>(parent, name, geometry);
    control->setText(caption);
    // A caption a few pixels wider than its documented box may use the
    // free room of its frame rather than be cut.
    const int room = parent->width() - geometry.left() - 2;
    control->resize(qBound(geometry.width(), control->sizeHint().width(), room), geometry.height());
    return control;
}

QLineEdit* textBox(QWidget* parent, const char* name, const QString& text, const QRect& geometry)
{
    auto* control = place<QLineEdit>(parent, name, geometry);
    control->setText(text);
    control->setTextMargins(0, 0, 0, 0);
    return control;
}

} // namespace

void frmMain::buildWindow()
{
    setObjectName(QStringLiteral("frmMain"));
    setWindowTitle(QStringLiteral("Ossaria"));
    setWindowIcon(Pictures::windowIcon());
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                   | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(Twips::size(7545, 6915));
    client->setFont(designFont());
    setCentralWidget(client);

    buildSeas(client);
    buildPanels(client);
    buildMenus();
}

void frmMain::buildSeas(QWidget* client)
{
    frameEnemy = frame(client, QPalette::Button, "frameEnemy", tr("Enemy Sea"), Twips::rect(150, 150, 3540, 3540));
    frameHome = frame(client, QPalette::Button, "frameHome", tr("Home Sea"), Twips::rect(3825, 150, 3540, 3540));

    for (int index = 0; index < 20; ++index) {
        QGroupBox* sea = index < 10 ? frameEnemy : frameHome;
        const int n = index % 10;
        const QByteArray letterName = "lblLetters_" + QByteArray::number(index);
        const QByteArray numberName = "lblNumbers_" + QByteArray::number(index);
        lblLetters[index] = place<QLabel>(sea, letterName.constData(), Twips::rect(450 + 300 * n, 225, 165, 165));
        lblLetters[index]->setText(QString(QChar('A' + n)));
        lblNumbers[index] = place<QLabel>(sea, numberName.constData(), Twips::rect(150, 450 + 300 * n, 165, 165));
        lblNumbers[index]->setText(QString::number(n + 1));
        for (QLabel* label : {lblLetters[index], lblNumbers[index]}) {
            label->setAlignment(Qt::AlignCenter);
            // "10" is a little wider than its cell; let it show whole.
            label->setMinimumWidth(label->width());
        }
        lblNumbers[index]->setGeometry(lblNumbers[index]->geometry().adjusted(-3, 0, 3, 0));
    }

    // The tiles stand on the window itself, over the frames.
    for (int index = 0; index < 100; ++index) {
        const int column = index % 10;
        const int row = index / 10;
        const QByteArray enemyName = "butEnemyTile_" + QByteArray::number(index);
        const QByteArray homeName = "butHomeTile_" + QByteArray::number(index);
        butEnemyTile[index] = place<TileButton>(client, enemyName.constData(),
                                                Twips::rect(600 + 300 * column, 600 + 300 * row, 240, 270));
        butEnemyTile[index]->placeOnSea(frameEnemy->title(), index);
        butHomeTile[index] = place<TileButton>(client, homeName.constData(),
                                               Twips::rect(4275 + 300 * column, 600 + 300 * row, 240, 270));
        butHomeTile[index]->placeOnSea(frameHome->title(), index);
    }
}

void frmMain::buildPanels(QWidget* client)
{
    editLastShot = textBox(client, "editLastShot", QString(), Twips::rect(2850, 3825, 315, 255));
    editLastIncShot = textBox(client, "editLastIncShot", QString(), Twips::rect(3300, 3825, 315, 255));
    for (QLineEdit* box : {editLastShot, editLastIncShot}) {
        box->setReadOnly(true);
        box->setAlignment(Qt::AlignCenter);
    }
    butResetShips = button(client, "butResetShips", tr("Reset Ships"), Twips::rect(3825, 3750, 1590, 240));
    butReady = button(client, "butReady", tr("Ready to Play"), Twips::rect(3825, 4050, 1590, 240));

    picShip = place<PictureBox>(client, "picShip", Twips::rect(2475, 4200, 1185, 960));
    picShip->setPixmap(Pictures::ship());
    picShip->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picShip->setCursor(Qt::PointingHandCursor);

    frameShips = frame(client, QPalette::Window, "frameShips", tr("Ships"), Twips::rect(5625, 3825, 1740, 1515));
    rdoShipCarrier = option(frameShips, "rdoShipCarrier", tr("Carrier (5)"), Twips::rect(150, 300, 1290, 240));
    rdoShipDestroyer = option(frameShips, "rdoShipDestroyer", tr("Destroyer (4)"), Twips::rect(150, 525, 1290, 240));
    rdoShipCruiser = option(frameShips, "rdoShipCruiser", tr("Cruiser(3)"), Twips::rect(150, 750, 1290, 240));
    rdoShipSubmarine = option(frameShips, "rdoShipSubmarine", tr("Submarine (3)"), Twips::rect(150, 975, 1290, 240));
    rdoShipPTBoat = option(frameShips, "rdoShipPTBoat", tr("PTBoat (2)"), Twips::rect(150, 1200, 1290, 240));
    rdoShipCarrier->setChecked(true);

    frameTurn = frame(client, QPalette::Window, "frameTurn", tr("Turn to Play"), Twips::rect(3825, 4350, 1590, 990));
    rdoHome = option(frameTurn, "rdoHome", tr("Your Turn"), Twips::rect(150, 300, 1065, 240));
    rdoEnemy = option(frameTurn, "rdoEnemy", tr("Enemy's Turn"), Twips::rect(150, 600, 1365, 240));
    rdoEnemy->setChecked(true);

    frameConnection = frame(client, QPalette::Window, "frameConnection", tr("Connection"), Twips::rect(150, 3825, 2190, 1665));
    lblIP = place<QLabel>(frameConnection, "lblIP", Twips::rect(225, 300, 240, 240));
    lblIP->setText(tr("IP:"));
    editIP = textBox(frameConnection, "editIP", QStringLiteral("192.168.0.1"), Twips::rect(525, 300, 1440, 255));
    lblIP->setBuddy(editIP);
    butConnect = button(frameConnection, "butConnect", tr("Connect"), Twips::rect(150, 675, 1890, 240));
    butReceive = button(frameConnection, "butReceive", tr("Receive"), Twips::rect(150, 975, 1890, 240));
    butDisconnect = button(frameConnection, "butDisconnect", tr("Disconnect"), Twips::rect(150, 1275, 1890, 240));

    editStatus = place<StatusLog>(client, "editStatus", Twips::rect(150, 5550, 7215, 1215));

    // What the controls without a caption of their own are called.
    editLastShot->setAccessibleName(tr("Last shot"));
    editLastIncShot->setAccessibleName(tr("Last incoming shot"));
    picShip->setAccessibleName(tr("About Ossaria"));
    editStatus->setAccessibleName(tr("Status"));

    // The tiles were made first; they must stay above the frames they cover.
    for (int index = 0; index < 100; ++index) {
        butEnemyTile[index]->raise();
        butHomeTile[index]->raise();
    }

    // Each sea is one stop in the tab order, the Enemy Sea and then the Home
    // Sea, after the last-shot boxes below them: so whatever took the focus
    // first when the window opened still does.
    new SeaFocus(butEnemyTile, editLastIncShot, this);
    new SeaFocus(butHomeTile, butEnemyTile[99], this);
}

void frmMain::buildMenus()
{
    // The first key is the one the menu shows.
    auto addItem = [](QMenu* menu, const char* name, const QString& caption, const char* keys) {
        QAction* item = menu->addAction(caption);
        item->setObjectName(QLatin1String(name));
        item->setShortcuts(QKeySequence::listFromString(QLatin1String(keys)));
        return item;
    };
    auto addMenu = [this](const char* name, const QString& caption) {
        QMenu* menu = menuBar()->addMenu(caption);
        menu->setObjectName(QLatin1String(name));
        return menu;
    };
    auto addSeparator = [](QMenu* menu, const char* name) {
        menu->addSeparator()->setObjectName(QLatin1String(name));
    };

    mnuFile = addMenu("mnuFile", tr("&Game"));
    mnuFileNew = addItem(mnuFile, "mnuFileNew", tr("&New"), "Ctrl+N");
    addSeparator(mnuFile, "mnuSeparator1");
    mnuFileExit = addItem(mnuFile, "mnuFileExit", tr("E&xit"), "Ctrl+X; Ctrl+Q");

    mnuOptions = addMenu("mnuOptions", tr("&Options"));
    mnuOptionsSound = addItem(mnuOptions, "mnuOptionsSound", tr("&Sound"), "Ctrl+S");
    mnuOptionsSound->setCheckable(true);
    mnuOptionsSound->setChecked(true);
    mnuOptionsRouter = addItem(mnuOptions, "mnuOptionsRouter", tr("Open Ports on the &Router"), "");
    mnuOptionsRouter->setCheckable(true);
    mnuOptionsRouter->setChecked(bUseRouter);

    mnuChat = addMenu("mnuChat", tr("&Chat"));
    mnuChatOpen = addItem(mnuChat, "mnuChatOpen", tr("&Open"), "Ctrl+O");
    mnuChatClose = addItem(mnuChat, "mnuChatClose", tr("&Close"), "Ctrl+C");

    mnuHelp = addMenu("mnuHelp", tr("&Help"));
    mnuHelpGame = addItem(mnuHelp, "mnuHelpGame", tr("&Game Reference"), "Ctrl+G; F1");
    addSeparator(mnuHelp, "mnuSeparator2");
    mnuHelpAbout = addItem(mnuHelp, "mnuHelpAbout", tr("&About Ossaria"), "Ctrl+A");
}
