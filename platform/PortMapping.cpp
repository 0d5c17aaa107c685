// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortMapping.h"

#include "EventGate.h"
#include "PortMappingWorker.h"

#include <chrono>

namespace {

// At exit the forwards are ended before the program goes. A router that has
// not answered by then is left to end them when their lease runs out.
constexpr std::chrono::seconds ShutdownPatience{3};

} // namespace

PortMapping::PortMapping(QObject* parent)
    : QObject(parent)
    , m_shared(std::make_shared<Shared>())
{
    m_shared->owner = this;
}

PortMapping::~PortMapping()
{
    std::unique_lock lock(m_shared->mutex);
    m_shared->owner = nullptr;
    if (!m_thread.joinable())
        return;
    m_shared->stopping = true;
    m_shared->wake.notify_all();
    // A worker that is still looking for a router and holds nothing adds
    // nothing once it is stopping: there is nothing to wait for.
    const bool done = m_shared->wake.wait_for(lock, ShutdownPatience, [&] {
        return m_shared->stopped || (m_shared->searching && !m_shared->holding);
    });
    const bool stopped = m_shared->stopped;
    lock.unlock();
    if (done && stopped)
        m_thread.join();
    else
        m_thread.detach();
}

quint64 PortMapping::Request(const QList<PortMappingPort>& ports)
{
    const quint64 request = ++m_lastRequest;
    // Nothing has ever been asked for: there is nothing to end.
    if (ports.isEmpty() && !m_thread.joinable())
        return request;
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->wanted = ports;
        m_shared->wantedRequest = request;
    }
    m_shared->wake.notify_all();
    if (!m_thread.joinable())
        m_thread = std::thread(PortMappingWorker::serve, m_shared);
    return request;
}

void PortMapping::Shared::post(quint64 request, const PortMappingReport& report)
{
    const std::lock_guard lock(mutex);
    if (PortMapping* receiver = owner) {
        QMetaObject::invokeMethod(
            receiver, [receiver, request, report] { receiver->deliver(request, report); }, Qt::QueuedConnection);
    }
}

// Runs on this object's thread. A report of a request that a later one has
// replaced is dropped; the others wait at the gate like socket events.
void PortMapping::deliver(quint64 request, const PortMappingReport& report)
{
    if (request != m_lastRequest)
        return;
    EventGate::instance().deliver(this, [this, request, report] {
        if (request == m_lastRequest)
            emit Reported(request, report);
    });
}
