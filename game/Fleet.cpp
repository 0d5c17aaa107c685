// Placing the fleet square by square, declaring it ready, and clearing it.

#include "frmMain.h"

#include "TileButton.h"
#include "Toolkit.h"
#include "Winsock.h"

#include <QRadioButton>

using namespace MessageCodes;

std::array<frmMain::Ship, 5> frmMain::fleet()
{
    return {{
        {rdoShipCarrier, 5, &colCarrier, &iDirCarrier, tr("Carrier not fully positionned")},
        {rdoShipDestroyer, 4, &colDestroyer, &iDirDestroyer, tr("Destroyer not fully positionned")},
        {rdoShipCruiser, 3, &colCruiser, &iDirCruiser, tr("Cruiser not fully positionned")},
        {rdoShipSubmarine, 3, &colSubmarine, &iDirSubmarine, tr("Submarine not fully positionned")},
        {rdoShipPTBoat, 2, &colPTBoat, &iDirPTBoat, tr("PTBoat not fully positionned")},
    }};
}

namespace {

constexpr short Vertical = 1;
constexpr short Horizontal = 2;

bool sameRow(int a, int b)
{
    return a / 10 == b / 10;
}

} // namespace

void frmMain::butHomeTile_Click(short Index)
{
    if (!bPlacing) {
        Toolkit::Beep();
        return;
    }
    if (butHomeTile[Index]->color() != TileButton::Blue) {
        Toolkit::Beep();
        ShowNotice(tr("Cannot place two ships on top of the other!"));
        return;
    }
    const std::array<Ship, 5> ships = fleet();
    const Ship* ship = nullptr;
    for (const Ship& candidate : ships) {
        if (candidate.option->isChecked()) {
            ship = &candidate;
            break;
        }
    }
    if (!ship) {
        ShowNotice(tr("Please select a ship to position"));
        return;
    }
    QList<short>& squares = *ship->squares;
    const qsizetype n = squares.size();
    if (n == ship->size) {
        ShowNotice(tr("This ship is completely positionned, please select another one."));
        return;
    }

    short direction = *ship->direction;
    bool accepted = false;
    if (n == 0) {
        accepted = true;
    } else if (n == 1) {
        const short s = squares.first();
        if (Index == s + 10 || Index == s - 10) {
            direction = Vertical;
            accepted = true;
        } else if ((Index == s + 1 || Index == s - 1) && sameRow(Index, s)) {
            direction = Horizontal;
            accepted = true;
        }
    } else {
        const short first = squares.first();
        const short last = squares.last();
        if (direction == Vertical)
            accepted = Index == first - 10 || Index == last + 10;
        else if (direction == Horizontal)
            accepted = (Index == first - 1 && sameRow(Index, first))
                       || (Index == last + 1 && sameRow(Index, last));
    }
    if (!accepted) {
        ShowNotice(tr("All parts the ship must be adjacent!"));
        return;
    }

    butHomeTile[Index]->setColor(TileButton::Yellow);
    *ship->direction = direction;
    if (n == 0 || Index > squares.last())
        squares.append(Index);
    else
        squares.prepend(Index);
}

void frmMain::butReady_Click()
{
    if (!bPlacing) {
        Toolkit::Beep();
        return;
    }
    for (const Ship& ship : fleet()) {
        if (ship.squares->size() < ship.size) {
            Toolkit::Beep();
            ShowNotice(ship.notReady);
            return;
        }
    }
    butResetShips->setEnabled(false);
    butReady->setEnabled(false);
    bReady = true;
    bPlacing = false;
    Winsock1->SendData(msgReady);
    OpponentReady();
}

void frmMain::butResetShips_Click()
{
    if (Toolkit::MsgBox(tr("Are you sure you want to reset the positionning of your ships?"),
                        Toolkit::vbYesNo, tr("Reset Ships?"))
        != Toolkit::vbYes)
        return;
    PlaySound(QStringLiteral("positionships"), false);
    ClearFleet();
    rdoShipCarrier->setChecked(true);
}

void frmMain::ClearFleet()
{
    for (const Ship& ship : fleet())
        ship.squares->clear();
    for (TileButton* tile : butHomeTile) {
        tile->setColor(TileButton::Blue);
        tile->setText(QString());
    }
}
