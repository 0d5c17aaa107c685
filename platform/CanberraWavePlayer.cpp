// SPDX-License-Identifier: GPL-3.0-or-later
// The wave player of the game: plays through the desktop's sound server.

#include "WavePlayer.h"

#include "EventGate.h"
#include "FirstWindowShown.h"
#include "PlayTicket.h"
#include "SoundThread.h"
#include "WaveLength.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

namespace {

// However late the server reports the end of a sound, a waiting play gives up
// this long after the sound's own length.
constexpr auto endReportGrace = std::chrono::milliseconds(500);

class CanberraWavePlayer final : public WavePlayer {
public:
    CanberraWavePlayer()
        : m_server(QCoreApplication::applicationName())
        , m_windowShown([this] { m_server.begin(); })
    {
    }

    void play(const QString& filePath, bool wait) override
    {
        // Without a server a sound costs nothing, not even a look at the file.
        if (m_server.resting())
            return;
        // A file without a readable header is not handed to the server at
        // all: silence, at once.
        const auto length = waveLength(filePath);
        if (!length)
            return;

        auto ticket = std::make_shared<PlayTicket>();
        m_server.start(filePath, ticket);
        if (wait && !m_server.unreachable()) {
            m_server.begin();
            waitForEnd(*ticket, *length + endReportGrace);
        }
    }

private:
    // Handlers that wait for a sound expect nothing else to run meanwhile:
    // socket events stay behind the gate and user input stays queued, as if
    // the thread were blocked.
    static void waitForEnd(PlayTicket& ticket, std::chrono::milliseconds deadline)
    {
        EventGate::Hold hold;
        QEventLoop loop;
        if (ticket.watch(&loop)) {
            QTimer::singleShot(deadline, Qt::PreciseTimer, &loop, &QEventLoop::quit);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
        }
        ticket.unwatch();
    }

    SoundThread m_server;
    // The sound library is loaded only once the window shows; a waiting
    // sound before that loads it at once.
    FirstWindowShown m_windowShown;
};

} // namespace

std::unique_ptr<WavePlayer> createDefaultWavePlayer()
{
    return std::make_unique<CanberraWavePlayer>();
}
