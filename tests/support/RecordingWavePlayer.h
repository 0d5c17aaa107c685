// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "WavePlayer.h"

#include <QFileInfo>
#include <QStringList>

// Records every file asked for and, when given a journal, writes each request
// there as "sound <name>" or "sound <name> wait" (the file's base name) in
// the order of everything else written there.
class RecordingWavePlayer final : public WavePlayer {
public:
    explicit RecordingWavePlayer(QStringList* journal = nullptr) : m_journal(journal) {}

    QStringList files;

    void play(const QString& filePath, bool wait) override
    {
        files << filePath;
        if (m_journal)
            *m_journal << QStringLiteral("sound ") + QFileInfo(filePath).completeBaseName()
                              + (wait ? QStringLiteral(" wait") : QString());
    }

private:
    QStringList* m_journal;
};
