// SPDX-License-Identifier: GPL-3.0-or-later
// The window's life: building it, start-up, shutdown and the Game menu.

#include "frmMain.h"

#include "ControlLibrary.h"
#include "MenuShortcuts.h"
#include "PictureBox.h"
#include "Ports.h"
#include "PortMapping.h"
#include "StatusLog.h"
#include "TileButton.h"
#include "Toolkit.h"
#include "WavePlayer.h"
#include "Winsock.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>

frmMain::frmMain(std::unique_ptr<WavePlayer> sound, const QStringList& controlFolders, QWidget* parent)
    : QMainWindow(parent)
    // The host seeds the generator from the clock each time it draws who
    // shoots first.
    , m_match([] {
        Toolkit::Randomize();
        return Toolkit::Rnd();
    })
    , m_sound(sound ? std::move(sound) : createDefaultWavePlayer())
{
    Sound = m_sound.get();
    Winsock1 = new Winsock(Winsock::sckTCPProtocol, this);
    Winsock1->setObjectName(QStringLiteral("Winsock1"));
    PortMapping1 = new PortMapping(this);
    PortMapping1->setObjectName(QStringLiteral("PortMapping1"));
    buildWindow();
    connectHandlers();
    giveMenuShortcutsPrecedence(this);
    loadControlLibrary(controlFolders);

    adjustSize();
    setFixedSize(sizeHint());
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    Form_Load();
    // A player's first step is to host or to join: the address box.
    editIP->setFocus();
}

frmMain::~frmMain() = default;

QStringList frmMain::defaultControlFolders()
{
    return ControlLibrary::defaultFolders();
}

void frmMain::connectHandlers()
{
    for (short index = 0; index < 100; ++index) {
        connect(butHomeTile[index], &QPushButton::clicked, this, [this, index] { butHomeTile_Click(index); });
        connect(butEnemyTile[index], &QPushButton::clicked, this, [this, index] { butEnemyTile_Click(index); });
    }
    connect(butReady, &QPushButton::clicked, this, &frmMain::butReady_Click);
    connect(butResetShips, &QPushButton::clicked, this, &frmMain::butResetShips_Click);
    connect(rdoHome, &QRadioButton::clicked, this, &frmMain::rdoHome_Click);
    connect(rdoEnemy, &QRadioButton::clicked, this, &frmMain::rdoEnemy_Click);
    connect(butReceive, &QPushButton::clicked, this, &frmMain::butReceive_Click);
    connect(butConnect, &QPushButton::clicked, this, &frmMain::butConnect_Click);
    connect(butDisconnect, &QPushButton::clicked, this, &frmMain::butDisconnect_Click);

    connect(mnuFileNew, &QAction::triggered, this, &frmMain::mnuFileNew_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmMain::mnuFileExit_Click);
    connect(mnuOptionsSound, &QAction::triggered, this, &frmMain::mnuOptionsSound_Click);
    connect(mnuChatOpen, &QAction::triggered, this, &frmMain::mnuChatOpen_Click);
    connect(mnuChatClose, &QAction::triggered, this, &frmMain::mnuChatClose_Click);
    connect(mnuHelpGame, &QAction::triggered, this, &frmMain::mnuHelpGame_Click);
    connect(mnuHelpAbout, &QAction::triggered, this, &frmMain::mnuHelpAbout_Click);
    connect(picShip, &PictureBox::clicked, this, &frmMain::picShip_Click);

    connect(Winsock1, &Winsock::ConnectionRequest, this, &frmMain::Winsock1_ConnectionRequest);
    connect(Winsock1, &Winsock::Connected, this, &frmMain::Winsock1_Connect);
    connect(Winsock1, &Winsock::DataArrival, this, &frmMain::Winsock1_DataArrival);
    connect(Winsock1, &Winsock::SendComplete, this, &frmMain::Winsock1_SendComplete);
    connect(Winsock1, &Winsock::SendProgress, this, &frmMain::Winsock1_SendProgress);
    connect(Winsock1, &Winsock::Closed, this, &frmMain::Winsock1_Close);
    connect(Winsock1, &Winsock::Error, this, &frmMain::Winsock1_Error);
    connect(mnuOptionsRouter, &QAction::triggered, this, &frmMain::mnuOptionsRouter_Click);
    connect(PortMapping1, &PortMapping::Reported, this, &frmMain::PortMapping1_Reported);
}

void frmMain::loadControlLibrary(const QStringList& folders)
{
    const ControlLibrary::Loaded loaded = ControlLibrary::create(folders, this);
    QvControls1 = loaded.component;
    if (QvControls1) {
        QvControls1->setObjectName(QStringLiteral("QvControls1"));
        QvControls1->hide();
        return;
    }
    // Said once, when the window is on screen and the start-up has run.
    const QString failure = loaded.failure;
    QMetaObject::invokeMethod(this, [failure] {
        Toolkit::MsgBox(tr("The control library could not be loaded (%1).\r\n"
                           "Notices will be shown in the status box instead.")
                            .arg(failure));
    }, Qt::QueuedConnection);
}

void frmMain::Form_Load()
{
    bSoundOn = true;
    Winsock1->RemotePort = GamePort;
    ResetGame();
}

// The close box, the system menu and Game > Exit all arrive here.
void frmMain::closeEvent(QCloseEvent* event)
{
    if (Toolkit::MsgBox(tr("Disconnect and Exit Program?"), Toolkit::vbOKCancel,
                        QStringLiteral("Ossaria"))
        != Toolkit::vbOK) {
        event->ignore();
        return;
    }
    AppendStatus(tr("Closing connection..."));
    Winsock1->Close();
    event->accept();
    emit closed();
}

void frmMain::mnuFileExit_Click()
{
    close();
}

void frmMain::mnuFileNew_Click()
{
    ResetGame();
}

void frmMain::AppendStatus(const QString& line)
{
    editStatus->append(line);
}

void frmMain::ShowNotice(const QString& message)
{
    if (!ControlLibrary::call(QvControls1, "MsgBox", {message}))
        AppendStatus(message);
}
