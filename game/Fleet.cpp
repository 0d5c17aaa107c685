// SPDX-License-Identifier: GPL-3.0-or-later
// Placing the fleet square by square, declaring it ready, and clearing it.

#include "frmMain.h"

#include "TileButton.h"
#include "Toolkit.h"
#include "Winsock.h"

#include <QPushButton>
#include <QRadioButton>

using namespace MessageCodes;

namespace {

// The notice for a ship that lacks squares, in fleet order: whole sentences,
// so that a language may name the ship where it likes.
const char* const NotFullyPositionned[Board::ShipCount] = {
    QT_TRANSLATE_NOOP("frmMain", "Carrier not fully positionned"),
    QT_TRANSLATE_NOOP("frmMain", "Destroyer not fully positionned"),
    QT_TRANSLATE_NOOP("frmMain", "Cruiser not fully positionned"),
    QT_TRANSLATE_NOOP("frmMain", "Submarine not fully positionned"),
    QT_TRANSLATE_NOOP("frmMain", "PTBoat not fully positionned"),
};

} // namespace

// The first ship option that is selected, in fleet order.
std::optional<int> frmMain::selectedShip() const
{
    const QRadioButton* options[] = {rdoShipCarrier, rdoShipDestroyer, rdoShipCruiser, rdoShipSubmarine, rdoShipPTBoat};
    for (int ship = 0; ship < Board::ShipCount; ++ship) {
        if (options[ship]->isChecked())
            return ship;
    }
    return std::nullopt;
}

void frmMain::butHomeTile_Click(short Index)
{
    switch (m_match.placeSquare(Index, selectedShip())) {
    case Placement::Closed:
        Toolkit::Beep();
        return;
    case Placement::Occupied:
        Toolkit::Beep();
        ShowNotice(tr("Cannot place two ships on top of the other!"));
        return;
    case Placement::NoShipSelected:
        ShowNotice(tr("Please select a ship to position"));
        return;
    case Placement::ShipComplete:
        ShowNotice(tr("This ship is completely positionned, please select another one."));
        return;
    case Placement::NotAdjacent:
        ShowNotice(tr("All parts the ship must be adjacent!"));
        return;
    case Placement::Placed:
        paintHome(Index);
        return;
    }
}

void frmMain::butReady_Click()
{
    const Readiness ready = m_match.declareReady();
    if (!ready.declared) {
        Toolkit::Beep();
        if (ready.incompleteShip)
            ShowNotice(tr(NotFullyPositionned[*ready.incompleteShip]));
        return;
    }
    butResetShips->setEnabled(false);
    butReady->setEnabled(false);
    Winsock1->SendData(msgReady);
    OpponentReady(ready.handshake);
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
    m_match.ClearFleet();
    paintHomeSea();
}

void frmMain::paintHome(int index)
{
    butHomeTile[index]->showSquare(m_match.home().at(index), m_match.home().marked(index));
}

void frmMain::paintEnemy(int index)
{
    butEnemyTile[index]->showSquare(m_match.enemy().at(index), m_match.enemy().marked(index));
}

void frmMain::paintHomeSea()
{
    for (int index = 0; index < Board::Squares; ++index)
        paintHome(index);
}

void frmMain::paintEnemySea()
{
    for (int index = 0; index < Board::Squares; ++index)
        paintEnemy(index);
}
