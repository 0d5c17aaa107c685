#pragma once

#include "WavePlayer.h"

#include <QFileInfo>
#include <QList>
#include <QStringList>

// Records every sound request as its file, its name (the file's base name)
// and wait flag, and, when given a journal, as "sound <name>" or
// "sound <name> wait" in the order of everything else written there.
class RecordingWavePlayer final : public WavePlayer {
public:
    explicit RecordingWavePlayer(QStringList* journal = nullptr) : m_journal(journal) {}

    struct Request {
        QString name;
        bool wait;
        bool operator==(const Request&) const = default;
    };
    QList<Request> requests;
    QStringList files;

    void play(const QString& filePath, bool wait) override
    {
        const QString name = QFileInfo(filePath).completeBaseName();
        requests.append({name, wait});
        files << filePath;
        if (m_journal)
            *m_journal << (QStringLiteral("sound ") + name + (wait ? QStringLiteral(" wait") : QString()));
    }

    QStringList names() const
    {
        QStringList list;
        for (const Request& r : requests)
            list << r.name;
        return list;
    }

private:
    QStringList* m_journal;
};
