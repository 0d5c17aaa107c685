// The sound effects and their switch.

#include "frmMain.h"

#include "WavePlayer.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// "sounds/<name>.wav" in the current folder first, as the game has always
// looked; else beside the program, as in the build tree; else in the data
// folder of the install, found from the program's own folder so that the game
// finds its sounds from wherever it is started and wherever it is installed.
QString soundFile(const QString& name)
{
    const QString relative = QStringLiteral("sounds/") + name + QStringLiteral(".wav");
    const QDir programFolder(QCoreApplication::applicationDirPath());
    for (const QString& candidate :
         {relative, programFolder.filePath(relative),
          programFolder.filePath(QStringLiteral(KELVASK_DATA_FROM_PROGRAM "/") + relative)}) {
        if (QFileInfo::exists(candidate))
            return candidate;
    }
    return relative;
}

} // namespace

void frmMain::PlaySound(const QString& name, bool wait)
{
    if (!bSoundOn)
        return;
    Sound->play(soundFile(name), wait);
}

// The menu has already moved its check mark when this runs; the flag follows it.
void frmMain::mnuOptionsSound_Click()
{
    bSoundOn = mnuOptionsSound->isChecked();
}
