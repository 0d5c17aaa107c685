#pragma once

#include "WavePlayer.h"

#include <QFileInfo>
#include <QList>
#include <QString>

// Records every sound request as its name (the file's base name) and wait flag.
class RecordingWavePlayer final : public WavePlayer {
public:
    struct Request {
        QString name;
        bool wait;
        bool operator==(const Request&) const = default;
    };
    QList<Request> requests;

    void play(const QString& filePath, bool wait) override
    {
        requests.append({QFileInfo(filePath).completeBaseName(), wait});
    }

    QStringList names() const
    {
        QStringList list;
        for (const Request& r : requests)
            list << r.name;
        return list;
    }
};
