// SPDX-License-Identifier: GPL-3.0-or-later
// The game's main window in a process of its own, shown, hosting as a player
// who pressed Receive: what the peer benchmarks play against. Sound stays on
// only with --sound, as a player who never opened the Options menu has it.
//   game_host [--sound]

#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ossaria"));
    QApplication::setQuitOnLastWindowClosed(false);
    const bool sound = argc > 1 && QByteArray(argv[1]) == "--sound";

    frmMain window;
    if (!sound)
        window.mnuOptionsSound->trigger();
    window.show();
    window.butReceive->click();
    return app.exec();
}
