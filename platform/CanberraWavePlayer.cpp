// The wave player of the game: plays through the desktop's sound server.

#include "WavePlayer.h"

#include "EventGate.h"
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
    {
    }

    void play(const QString& filePath, bool wait) override
    {
        // A file without a readable header is not handed to the server at
        // all: silence, at once.
        const auto length = waveLength(filePath);
        if (!length)
            return;

        const std::uint32_t id = m_nextId++;
        auto ticket = std::make_shared<PlayTicket>();
        m_server.start(id, filePath, ticket);
        if (wait)
            waitForEnd(id, *ticket, *length + endReportGrace);
    }

private:
    // Handlers that wait for a sound expect nothing else to run meanwhile:
    // socket events stay behind the gate and user input stays queued, as if
    // the thread were blocked.
    void waitForEnd(std::uint32_t id, PlayTicket& ticket, std::chrono::milliseconds deadline)
    {
        EventGate::Hold hold;
        QEventLoop loop;
        if (ticket.watch(&loop)) {
            QTimer giveUp;
            giveUp.setSingleShot(true);
            giveUp.setTimerType(Qt::PreciseTimer);
            QObject::connect(&giveUp, &QTimer::timeout, &loop, &QEventLoop::quit);
            giveUp.start(deadline);
            loop.exec(QEventLoop::ExcludeUserInputEvents);
            if (!giveUp.isActive())
                m_server.cancel(id);
        }
        ticket.unwatch();
    }

    SoundThread m_server;
    std::uint32_t m_nextId = 1;
};

} // namespace

std::unique_ptr<WavePlayer> createDefaultWavePlayer()
{
    return std::make_unique<CanberraWavePlayer>();
}
