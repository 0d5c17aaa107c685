// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "FakeControls.h"
#include "RecordingWavePlayer.h"
#include "ScriptedToolkit.h"
#include "StatusLog.h"
#include "TileButton.h"
#include "Winsock.h"
#include "frmMain.h"

// The window declares its controls' classes only; the tests drive them.
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStringList>
#include <QtTest>

#include <memory>

// A main window as the tests use it: sounds recorded, the control library
// replaced by a recording stand-in, and everything the window does (sounds,
// notices, chat calls) written into one journal in order.
struct GameWindow {
    QStringList journal;
    RecordingWavePlayer* sound = nullptr;
    std::unique_ptr<frmMain> window;

    // The toolkit backend must already be scripted: without a control
    // library the window says so once in a modal box.
    GameWindow()
    {
        auto player = std::make_unique<RecordingWavePlayer>(&journal);
        sound = player.get();
        window = std::make_unique<frmMain>(std::move(player), QStringList{});
        QCoreApplication::processEvents();
        window->QvControls1 = new FakeControls(&journal, window.get());
        journal.clear();
    }

    frmMain* operator->() const { return window.get(); }
    frmMain& operator*() const { return *window; }
};

// A main window as the program opens it, shown, with the control library
// looked for in `folders`; its sounds are recorded.
inline std::unique_ptr<frmMain> openGame(const QStringList& folders = frmMain::defaultControlFolders())
{
    auto game = std::make_unique<frmMain>(std::make_unique<RecordingWavePlayer>(), folders);
    game->show();
    QCoreApplication::processEvents();
    return game;
}
