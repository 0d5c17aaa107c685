#include "SoundThread.h"

#include "PlayTicket.h"

#include <canberra.h>

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <map>
#include <mutex>

namespace {

constexpr auto shutdownPatience = std::chrono::seconds(1);

} // namespace

struct SoundThread::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    std::deque<std::function<void(ca_context*)>> jobs;
    bool stopping = false;
    bool stopped = false;
    std::map<std::uint32_t, std::shared_ptr<PlayTicket>> playing;

    void post(std::function<void(ca_context*)> job)
    {
        {
            std::lock_guard lock(mutex);
            jobs.push_back(std::move(job));
        }
        wake.notify_all();
    }

    // Reached from the server's callback thread, from the failure of a start,
    // or both: the first report finishes the ticket, a second finds nothing.
    void finished(std::uint32_t id)
    {
        std::shared_ptr<PlayTicket> ticket;
        {
            std::lock_guard lock(mutex);
            auto it = playing.find(id);
            if (it == playing.end())
                return;
            ticket = std::move(it->second);
            playing.erase(it);
        }
        ticket->finish();
    }
};

namespace {

void onSoundEnded(ca_context*, std::uint32_t id, int, void* userdata)
{
    static_cast<SoundThread::Shared*>(userdata)->finished(id);
}

void serve(std::shared_ptr<SoundThread::Shared> shared, QByteArray applicationName)
{
    // Only a sound server: straight to the device, a busy or missing card
    // could block or write its complaints to the console.
    ca_context* context = nullptr;
    if (ca_context_create(&context) == CA_SUCCESS) {
        ca_context_set_driver(context, "pulse");
        if (!applicationName.isEmpty())
            ca_context_change_props(context, CA_PROP_APPLICATION_NAME, applicationName.constData(), nullptr);
    }

    std::unique_lock lock(shared->mutex);
    while (true) {
        shared->wake.wait(lock, [&] { return shared->stopping || !shared->jobs.empty(); });
        if (shared->stopping)
            break;
        auto job = std::move(shared->jobs.front());
        shared->jobs.pop_front();
        lock.unlock();
        job(context);
        lock.lock();
    }
    lock.unlock();

    // Destroying the context reports every sound still playing as ended.
    if (context)
        ca_context_destroy(context);
    std::map<std::uint32_t, std::shared_ptr<PlayTicket>> unfinished;
    lock.lock();
    unfinished.swap(shared->playing);
    shared->stopped = true;
    lock.unlock();
    for (auto& [id, ticket] : unfinished)
        ticket->finish();
    shared->wake.notify_all();
}

} // namespace

SoundThread::SoundThread(const QString& applicationName)
    : m_shared(std::make_shared<Shared>())
    , m_thread(serve, m_shared, applicationName.toUtf8())
{
}

SoundThread::~SoundThread()
{
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

void SoundThread::start(std::uint32_t id, const QString& filePath, std::shared_ptr<PlayTicket> ticket)
{
    {
        std::lock_guard lock(m_shared->mutex);
        m_shared->playing.emplace(id, std::move(ticket));
    }
    Shared* shared = m_shared.get();
    m_shared->post([shared, id, path = filePath.toUtf8()](ca_context* context) {
        if (!context) {
            shared->finished(id);
            return;
        }
        ca_proplist* properties = nullptr;
        if (ca_proplist_create(&properties) != CA_SUCCESS) {
            shared->finished(id);
            return;
        }
        ca_proplist_sets(properties, CA_PROP_MEDIA_FILENAME, path.constData());
        ca_proplist_sets(properties, CA_PROP_MEDIA_ROLE, "event");
        const int result = ca_context_play_full(context, id, properties, onSoundEnded, shared);
        ca_proplist_destroy(properties);
        if (result != CA_SUCCESS)
            shared->finished(id);
    });
}

void SoundThread::cancel(std::uint32_t id)
{
    m_shared->post([id](ca_context* context) {
        if (context)
            ca_context_cancel(context, id);
    });
}
