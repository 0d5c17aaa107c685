// SPDX-License-Identifier: GPL-3.0-or-later
// Hosting, joining, accepting, closing and losing the game connection, and
// the Chat menu.

#include "frmMain.h"

#include "ControlLibrary.h"
#include "Ports.h"
#include "Toolkit.h"
#include "Winsock.h"

#include <QLineEdit>
#include <QPushButton>


// A call that the socket refuses at once is reported like a socket error,
// but nothing is closed: a connection that stands stays up.
void frmMain::reportCallFailure(int number, const QString& description)
{
    Toolkit::MsgBox(tr("Error #%1: %2").arg(QString::number(number), description));
}

void frmMain::butReceive_Click()
{
    PlaySound(QStringLiteral("waitingconnect"), false);
    AppendStatus(tr("Waiting for connection..."));
    Winsock1->LocalPort = GamePort;
    const SocketResult listening = Winsock1->Listen();
    if (!listening.ok()) {
        reportCallFailure(listening.number, listening.description);
        return;
    }
    m_match.hosting();
    askRouter(true);
}

void frmMain::butConnect_Click()
{
    if (Winsock1->State() != Winsock::sckClosed)
        Winsock1->Close();
    const SocketResult connecting = Winsock1->Connect(editIP->text(), GamePort);
    if (!connecting.ok()) {
        reportCallFailure(connecting.number, connecting.description);
        return;
    }
    AppendStatus(tr("Connecting..."));
    askRouter(false);
}

void frmMain::Winsock1_ConnectionRequest(long requestID)
{
    if (Winsock1->State() != Winsock::sckClosed)
        Winsock1->Close();
    const SocketResult accepted = Winsock1->Accept(requestID);
    if (!accepted.ok()) {
        reportCallFailure(accepted.number, accepted.description);
        return;
    }
    Winsock1_Connect();
}

void frmMain::Winsock1_Connect()
{
    PlaySound(QStringLiteral("connect"), true);
    AppendStatus(tr("Connected to %1").arg(Winsock1->RemoteHostIP()));
    m_match.connected();
    mnuChatOpen_Click();
    butConnect->setEnabled(false);
    butReceive->setEnabled(false);
    m_match.openPlacement();
    PlaySound(QStringLiteral("positionships"), false);
    AppendStatus(tr("Please position your ships"));
}

void frmMain::butDisconnect_Click()
{
    if (Toolkit::MsgBox(tr("Disconnect?"), Toolkit::vbOKCancel) != Toolkit::vbOK)
        return;
    AppendStatus(tr("Closing connection..."));
    Winsock1->Close();
    PlaySound(QStringLiteral("disconnected"), true);
    ResetGame();
}

void frmMain::Winsock1_Close()
{
    Winsock1->Close();
    PlaySound(QStringLiteral("disconnected"), true);
    Toolkit::MsgBox(tr("Disconnected"));
    ResetGame();
}

void frmMain::Winsock1_Error(short Number, const QString& Description)
{
    Toolkit::MsgBox(tr("Error #%1: %2\r\nClosing Connection").arg(QString::number(Number), Description));
    Winsock1->Close();
    m_match.connectionBroken();
    releaseRouter();
}

void frmMain::mnuChatOpen_Click()
{
    if (!m_match.state().bConnected) {
        Toolkit::MsgBox(tr("You need to be connected first!"));
        return;
    }
    ControlLibrary::call(QvControls1, "OpenChat", {Winsock1->RemoteHostIP(), QString::number(ChatPort)});
}

void frmMain::mnuChatClose_Click()
{
    ControlLibrary::call(QvControls1, "CloseChat");
}
