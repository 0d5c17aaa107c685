// The sound effects and their switch.

#include "frmMain.h"

#include "WavePlayer.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// "sounds/<name>.wav" in the current folder, else beside the program, where
// an installed game keeps its sounds even when started from elsewhere.
QString soundFile(const QString& name)
{
    const QString relative = QStringLiteral("sounds/") + name + QStringLiteral(".wav");
    if (QFileInfo::exists(relative))
        return relative;
    const QString besideProgram = QDir(QCoreApplication::applicationDirPath()).filePath(relative);
    return QFileInfo::exists(besideProgram) ? besideProgram : relative;
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
