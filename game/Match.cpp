// SPDX-License-Identifier: GPL-3.0-or-later
// The match: dispatch of the game connection's values, shots and their
// answers, the turn, the start, victory, defeat and the return to a new game.
// The rules decide what each event does to the game (core/Match.h); here the
// player sees, hears and sends it, in the order the game has always kept.

#include "frmMain.h"

#include "StatusLog.h"
#include "TileButton.h"
#include "Toolkit.h"
#include "Winsock.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace MessageCodes;

void frmMain::Winsock1_DataArrival(long)
{
    qint16 v = 0;
    if (!Winsock1->GetData(v))
        return;

    const Received received = m_match.received(v);
    switch (received.code) {
    case Received::Shot:
        ReceiveShot(received.shot);
        return;
    case Received::Ready:
        OpponentReady(received.handshake);
        // The send-completion step, run at once: a start that the handshake
        // has made pending begins now.
        if (received.start)
            StartGame(*received.start);
        return;
    case Received::YourTurn:
        PlaySound(QStringLiteral("yourturn"), false);
        showTurn();
        StartGame(*received.start);
        return;
    case Received::EnemyTurn:
        showTurn();
        StartGame(*received.start);
        return;
    case Received::Hit:
        ApplyShotResult(received.result);
        PlaySound(QStringLiteral("hit"), false);
        return;
    case Received::Missed:
        ApplyShotResult(received.result);
        PlaySound(QStringLiteral("missed"), false);
        return;
    case Received::YouLose:
        PlaySound(QStringLiteral("youlose"), false);
        ShowNotice(tr("You Lose!"));
        Toolkit::MsgBox(tr("Disconnected"));
        PlaySound(QStringLiteral("disconnected"), true);
        ResetGame();
        return;
    case Received::Garbage:
        Toolkit::Beep();
        AppendStatus(tr("Received Garbage"));
        return;
    }
}

void frmMain::butEnemyTile_Click(short Index)
{
    if (m_match.aim(Index)) {
        FireShot();
        return;
    }
    Toolkit::Beep();
}

void frmMain::FireShot()
{
    switch (m_match.FireShot()) {
    case Fire::NotConnected:
        Toolkit::Beep();
        ShowNotice(tr("Please connect before shooting!"));
        return;
    case Fire::CannotShoot:
        Toolkit::Beep();
        ShowNotice(tr("Could not send data to opponent, please try again."));
        return;
    case Fire::Fired:
        break;
    }
    const short shot = m_match.state().iShotTile;
    PlaySound(QStringLiteral("fire"), false);
    editLastShot->setText(QString::number(shot));
    showTurn();
    Winsock1->SendData(shot);
}

// The mark appears, and the answer leaves, only once "fire" has played.
void frmMain::ReceiveShot(const IncomingShot& shot)
{
    PlaySound(QStringLiteral("fire"), true);
    editLastShot->setText(QString::number(shot.square));
    paintHome(shot.square);
    Winsock1->SendData(shot.answer());
    PlaySound(shot.hit ? QStringLiteral("hit") : QStringLiteral("missed"), true);
    showTurn();
    PlaySound(QStringLiteral("yourturn"), false);
}

void frmMain::ApplyShotResult(const ShotResult& result)
{
    paintEnemy(result.square);
    if (result.counted)
        DeclareVictory();
}

// The indicator always shows bMyTurn; the player cannot change it.
void frmMain::showTurn()
{
    const bool myTurn = m_match.state().bMyTurn;
    rdoHome->setChecked(myTurn);
    rdoEnemy->setChecked(!myTurn);
}

void frmMain::rdoHome_Click()
{
    showTurn();
}

void frmMain::rdoEnemy_Click()
{
    showTurn();
}

void frmMain::Winsock1_SendComplete()
{
    if (const std::optional<Start> start = m_match.SendComplete())
        StartGame(*start);
}

void frmMain::Winsock1_SendProgress(long, long)
{
}

void frmMain::OpponentReady(Handshake handshake)
{
    switch (handshake) {
    case Handshake::AlreadyOn:
    case Handshake::BothReady:
        return;
    case Handshake::OpponentFirst:
        AppendStatus(tr("Opponent Ready..."));
        PlaySound(QStringLiteral("oppready"), false);
        return;
    case Handshake::WaitingForOpponent:
        AppendStatus(tr("Waiting For Opponent..."));
        PlaySound(QStringLiteral("waitingopp"), false);
        return;
    }
}

// Only the host has drawn who shoots first, and tells the guest.
void frmMain::StartGame(const Start& start)
{
    Toolkit::Beep();
    AppendStatus(tr("Game Started"));
    if (!start.host)
        return;
    if (start.hostFirst)
        PlaySound(QStringLiteral("yourturn"), false);
    showTurn();
    Winsock1->SendData(start.turnCode());
}

void frmMain::DeclareVictory()
{
    if (!m_match.victory())
        return;
    PlaySound(QStringLiteral("youwin"), false);
    Winsock1->SendData(msgYouLose);
    ShowNotice(tr("You Win!"));
}

void frmMain::ResetGame()
{
    m_match.ResetGame();
    for (QPushButton* button : {butConnect, butReceive, butReady, butResetShips})
        button->setEnabled(true);
    PlaySound(QStringLiteral("newgame"), false);
    paintHomeSea();
    paintEnemySea();
    editStatus->replace(tr("New Game..."));
    Winsock1->Close();
    releaseRouter();
}
