// SPDX-License-Identifier: GPL-3.0-or-later
#include "SoundThread.h"

#include "CanberraLibrary.h"
#include "PlayTicket.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <optional>

namespace {

using Clock = std::chrono::steady_clock;

constexpr auto shutdownPatience = std::chrono::seconds(1);
constexpr auto retryPause = std::chrono::seconds(3);
constexpr std::size_t voices = 4;

} // namespace

struct SoundThread::Sound {
    std::uint32_t id;
    // A file by its path, or a sound of the theme by its event.
    const char* property;
    QByteArray value;
    std::shared_ptr<PlayTicket> ticket;
};

struct SoundThread::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    bool stopping = false;
    bool stopped = false;
    std::uint32_t lastId = 0;
    // Oldest first, each at most `voices` long: a sound that would be cut
    // as soon as it started is not started at all.
    std::deque<Sound> asked; // not yet handed to the server
    std::deque<Sound> playing;

    // Read by the user-interface thread without the lock, on every sound.
    std::atomic<bool> unreachable = false;
    std::atomic<Clock::rep> retryAt = 0;

    // Reached from the server's callback thread, from the failure of a start,
    // or both: the first report finishes the ticket, a second finds nothing.
    void finished(std::uint32_t id)
    {
        std::shared_ptr<PlayTicket> ticket;
        {
            std::lock_guard lock(mutex);
            const auto sound = std::find_if(playing.begin(), playing.end(), [id](const Sound& s) { return s.id == id; });
            if (sound == playing.end())
                return;
            ticket = std::move(sound->ticket);
            playing.erase(sound);
        }
        ticket->finish();
    }

    void reached() { unreachable = false; }
    void notReached(Clock::time_point retry)
    {
        retryAt = retry.time_since_epoch().count();
        unreachable = true;
    }
    bool retryDue() const { return Clock::now().time_since_epoch().count() >= retryAt; }
};

namespace {

using Sound = SoundThread::Sound;

void onSoundEnded(ca_context*, std::uint32_t id, int, void* userdata)
{
    static_cast<SoundThread::Shared*>(userdata)->finished(id);
}

ca_context* connectToServer(const CanberraLibrary& ca, const QByteArray& applicationName)
{
    ca_context* context = nullptr;
    if (ca.contextCreate(&context) != CA_SUCCESS)
        return nullptr;
    // Only a sound server: straight to the device, a busy or missing card
    // could block or write its complaints to the console.
    ca.contextSetDriver(context, "pulse");
    if (!applicationName.isEmpty())
        ca.contextChangeProps(context, CA_PROP_APPLICATION_NAME, applicationName.constData(), nullptr);
    if (ca.contextOpen(context) == CA_SUCCESS)
        return context;
    ca.contextDestroy(context);
    return nullptr;
}

int play(const CanberraLibrary& ca, ca_context* context, const Sound& sound, SoundThread::Shared* shared)
{
    ca_proplist* properties = nullptr;
    if (ca.proplistCreate(&properties) != CA_SUCCESS)
        return CA_ERROR_OOM;
    ca.proplistSets(properties, sound.property, sound.value.constData());
    ca.proplistSets(properties, CA_PROP_MEDIA_ROLE, "event");
    const int result = ca.contextPlayFull(context, sound.id, properties, onSoundEnded, shared);
    ca.proplistDestroy(properties);
    return result;
}

bool serverLost(int result)
{
    return result == CA_ERROR_STATE || result == CA_ERROR_DISCONNECTED || result == CA_ERROR_DESTROYED;
}

void serve(std::shared_ptr<SoundThread::Shared> shared, QByteArray applicationName)
{
    const CanberraLibrary* ca = CanberraLibrary::load();
    if (!ca)
        shared->notReached(Clock::time_point::max());
    ca_context* context = nullptr;

    std::unique_lock lock(shared->mutex);
    while (true) {
        shared->wake.wait(lock, [&] { return shared->stopping || !shared->asked.empty(); });
        if (shared->stopping)
            break;
        const Sound sound = std::move(shared->asked.front());
        shared->asked.pop_front();
        std::optional<Sound> oldest;
        if (shared->playing.size() == voices) {
            oldest = std::move(shared->playing.front());
            shared->playing.pop_front();
        }
        shared->playing.push_back(sound);
        lock.unlock();

        if (oldest) {
            if (context)
                ca->contextCancel(context, oldest->id);
            oldest->ticket->finish();
        }
        if (!context && shared->retryDue()) {
            context = connectToServer(*ca, applicationName);
            if (context)
                shared->reached();
            else
                shared->notReached(Clock::now() + retryPause);
        }
        const int result = context ? play(*ca, context, sound, shared.get()) : CA_ERROR_DISCONNECTED;
        if (result != CA_SUCCESS)
            shared->finished(sound.id);
        if (context && serverLost(result)) {
            ca->contextDestroy(context);
            context = nullptr;
            shared->notReached(Clock::now() + retryPause);
        }
        lock.lock();
    }
    lock.unlock();

    // Destroying the context reports every sound still playing as ended.
    if (context)
        ca->contextDestroy(context);
    lock.lock();
    std::deque<Sound> unfinished = std::exchange(shared->playing, {});
    unfinished.insert(unfinished.end(), shared->asked.begin(), shared->asked.end());
    shared->asked.clear();
    shared->stopped = true;
    lock.unlock();
    for (const Sound& sound : unfinished)
        sound.ticket->finish();
    shared->wake.notify_all();
}

} // namespace

SoundThread::SoundThread(const QString& applicationName)
    : m_shared(std::make_shared<Shared>())
    , m_applicationName(applicationName.toUtf8())
{
}

SoundThread::~SoundThread()
{
    if (!m_thread.joinable())
        return;
    std::unique_lock lock(m_shared->mutex);
    m_shared->stopping = true;
    m_shared->wake.notify_all();
    const bool stopped = m_shared->wake.wait_for(lock, shutdownPatience, [&] { return m_shared->stopped; });
    lock.unlock();
    if (stopped)
        m_thread.join();
    else
        m_thread.detach();
}

void SoundThread::begin()
{
    if (!m_thread.joinable())
        m_thread = std::thread(serve, m_shared, m_applicationName);
}

void SoundThread::start(const QString& filePath, std::shared_ptr<PlayTicket> ticket)
{
    ask(Sound{0, CA_PROP_MEDIA_FILENAME, filePath.toUtf8(), std::move(ticket)});
}

void SoundThread::startThemeSound(const QByteArray& eventId, std::shared_ptr<PlayTicket> ticket)
{
    ask(Sound{0, CA_PROP_EVENT_ID, eventId, std::move(ticket)});
}

void SoundThread::ask(Sound sound)
{
    std::optional<Sound> dropped;
    {
        std::lock_guard lock(m_shared->mutex);
        sound.id = ++m_shared->lastId;
        m_shared->asked.push_back(std::move(sound));
        if (m_shared->asked.size() > voices) {
            dropped = std::move(m_shared->asked.front());
            m_shared->asked.pop_front();
        }
    }
    m_shared->wake.notify_all();
    if (dropped)
        dropped->ticket->finish();
}

bool SoundThread::unreachable() const
{
    return m_shared->unreachable;
}

bool SoundThread::resting() const
{
    return m_shared->unreachable && !m_shared->retryDue();
}
