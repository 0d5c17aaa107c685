// SPDX-License-Identifier: GPL-3.0-or-later
// The Help menu and the ship picture: the game reference and the About window.

#include "frmMain.h"

#include "frmAbout.h"
#include "frmHelpGame.h"

void frmMain::mnuHelpGame_Click()
{
    frmHelpGame::showInstance(this);
}

void frmMain::mnuHelpAbout_Click()
{
    frmAbout::showInstance(this);
}

void frmMain::picShip_Click()
{
    mnuHelpAbout_Click();
}
