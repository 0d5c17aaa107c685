// SPDX-License-Identifier: GPL-3.0-or-later
// The sound effects and their switch.

#include "frmMain.h"

#include "WavePlayer.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <optional>

namespace {

QString relativeSoundFile(const QString& name)
{
    return QStringLiteral("sounds/") + name + QStringLiteral(".wav");
}

// "sounds/<name>.wav" in the current folder first, as the game has always
// looked; else beside the program, as in the build tree; else in the data
// folder of the install, found from the program's own folder so that the game
// finds its sounds from wherever it is started and wherever it is installed.
std::optional<QString> findSoundFile(const QString& name)
{
    const QString relative = relativeSoundFile(name);
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {relative, programFolder.filePath(relative),
          programFolder.filePath(QStringLiteral(KELVASK_DATA_FROM_PROGRAM "/") + relative)}) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return std::nullopt;
}

} // namespace

void frmMain::PlaySound(const QString& name, bool wait)
{
    if (!bSoundOn)
        return;
    auto known = m_soundFiles.constFind(name);
    if (known == m_soundFiles.constEnd()) {
        const std::optional<QString> found = findSoundFile(name);
        // A sound that is nowhere is asked for by its usual name, which plays
        // nothing, and looked for again the next time.
        if (!found) {
            Sound->play(relativeSoundFile(name), wait);
            return;
        }
        known = m_soundFiles.insert(name, *found);
    }
    Sound->play(*known, wait);
}

// The menu has already moved its check mark when this runs; the flag follows it.
void frmMain::mnuOptionsSound_Click()
{
    bSoundOn = mnuOptionsSound->isChecked();
}
