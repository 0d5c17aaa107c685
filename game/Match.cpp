// The match: dispatch of the game connection's values, shots and their
// answers, the turn, the start, victory, defeat and the return to a new game.

#include "frmMain.h"

#include "StatusLog.h"
#include "TileButton.h"
#include "Toolkit.h"
#include "Winsock.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

using namespace MessageCodes;

namespace {

constexpr short FleetSquares = 17;

} // namespace

void frmMain::Winsock1_DataArrival(long)
{
    qint16 v = 0;
    if (!Winsock1->GetData(v))
        return;

    if (v >= FirstTile && v <= LastTile) {
        ReceiveShot(v);
        return;
    }
    switch (v) {
    case msgReady:
        bOppReady = true;
        OpponentReady();
        Winsock1_SendComplete();
        return;
    case msgYourTurn:
        PlaySound(QStringLiteral("yourturn"), false);
        bMyTurn = true;
        showTurn();
        bCanShoot = true;
        StartGame();
        return;
    case msgEnemyTurn:
        bMyTurn = false;
        showTurn();
        bCanShoot = false;
        StartGame();
        return;
    case msgHit:
        ApplyShotResult(true);
        PlaySound(QStringLiteral("hit"), false);
        return;
    case msgMissed:
        ApplyShotResult(false);
        PlaySound(QStringLiteral("missed"), false);
        return;
    case msgYouLose:
        PlaySound(QStringLiteral("youlose"), false);
        ShowNotice(tr("You Lose!"));
        Toolkit::MsgBox(tr("Disconnected"));
        PlaySound(QStringLiteral("disconnected"), true);
        ResetGame();
        return;
    default:
        // Any other code, and values of 100 and above that name no square.
        Toolkit::Beep();
        AppendStatus(tr("Received Garbage"));
        return;
    }
}

void frmMain::butEnemyTile_Click(short Index)
{
    if (bGameOn && bMyTurn) {
        iShotTile = Index;
        FireShot();
        return;
    }
    Toolkit::Beep();
}

void frmMain::FireShot()
{
    if (!bConnected) {
        Toolkit::Beep();
        ShowNotice(tr("Please connect before shooting!"));
        return;
    }
    if (!bCanShoot) {
        Toolkit::Beep();
        ShowNotice(tr("Could not send data to opponent, please try again."));
        return;
    }
    PlaySound(QStringLiteral("fire"), false);
    editLastShot->setText(QString::number(iShotTile));
    bMyTurn = false;
    showTurn();
    bCanShoot = false;
    Winsock1->SendData(iShotTile);
}

void frmMain::ReceiveShot(short v)
{
    PlaySound(QStringLiteral("fire"), true);
    editLastShot->setText(QString::number(v));
    TileButton* square = butHomeTile[v];
    square->setText(QStringLiteral("X"));
    if (square->color() == TileButton::Blue) {
        Winsock1->SendData(msgMissed);
        PlaySound(QStringLiteral("missed"), true);
    } else {
        Winsock1->SendData(msgHit);
        square->setColor(TileButton::Red);
        PlaySound(QStringLiteral("hit"), true);
    }
    bCanShoot = true;
    bMyTurn = true;
    showTurn();
    PlaySound(QStringLiteral("yourturn"), false);
}

void frmMain::ApplyShotResult(bool hit)
{
    TileButton* square = butEnemyTile[iShotTile];
    square->setText(QStringLiteral("X"));
    if (hit) {
        if (square->color() != TileButton::Red) {
            square->setColor(TileButton::Red);
            ++iHitCount;
            DeclareVictory();
        }
    } else {
        square->setColor(TileButton::Blue);
    }
    bCanShoot = true;
}

// The indicator always shows bMyTurn; the player cannot change it.
void frmMain::showTurn()
{
    rdoHome->setChecked(bMyTurn);
    rdoEnemy->setChecked(!bMyTurn);
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
    if (bStartPending)
        StartGame();
}

void frmMain::Winsock1_SendProgress(long, long)
{
}

void frmMain::OpponentReady()
{
    if (bGameOn)
        return;
    if (bReady && bOppReady) {
        bGameOn = true;
        bCanShoot = true;
        bStartPending = true;
    } else if (bOppReady) {
        AppendStatus(tr("Opponent Ready..."));
        PlaySound(QStringLiteral("oppready"), false);
        bCanShoot = false;
        bGameOn = false;
    } else {
        AppendStatus(tr("Waiting For Opponent..."));
        PlaySound(QStringLiteral("waitingopp"), false);
        bCanShoot = false;
        bGameOn = false;
    }
}

void frmMain::StartGame()
{
    bStartPending = false;
    Toolkit::Beep();
    AppendStatus(tr("Game Started"));
    if (!bHost)
        return;
    Toolkit::Randomize();
    const float r = Toolkit::Rnd();
    if (r < 0.5f) {
        bMyTurn = false;
        showTurn();
        Winsock1->SendData(msgYourTurn);
    } else {
        PlaySound(QStringLiteral("yourturn"), false);
        bMyTurn = true;
        showTurn();
        Winsock1->SendData(msgEnemyTurn);
    }
}

void frmMain::DeclareVictory()
{
    if (iHitCount != FleetSquares)
        return;
    PlaySound(QStringLiteral("youwin"), false);
    Winsock1->SendData(msgYouLose);
    ShowNotice(tr("You Win!"));
}

void frmMain::ResetGame()
{
    bMyTurn = false;
    bCanShoot = false;
    bReady = false;
    bOppReady = false;
    bConnected = false;
    bPlacing = false;
    bHost = false;
    bGameOn = false;
    bStartPending = false;
    iHitCount = 0;
    for (QPushButton* button : {butConnect, butReceive, butReady, butResetShips})
        button->setEnabled(true);
    PlaySound(QStringLiteral("newgame"), false);
    ClearFleet();
    for (TileButton* tile : butEnemyTile) {
        tile->setColor(TileButton::White);
        tile->setText(QString());
    }
    editStatus->replace(tr("New Game..."));
    Winsock1->Close();
    releaseRouter();
}
