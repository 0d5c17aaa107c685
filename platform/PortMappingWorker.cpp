// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortMappingWorker.h"

#include "PortMappingRouter.h"

#include <chrono>
#include <optional>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

// A forward lasts this long unless renewed, and is renewed three times a
// lease, so that one renewal the router misses does not end it.
constexpr std::chrono::seconds Lease{600};
constexpr std::chrono::seconds RenewEvery = Lease / 3;

constexpr int BackgroundNice = 10;

class Worker {
public:
    explicit Worker(std::shared_ptr<PortMapping::Shared> shared)
        : m_shared(std::move(shared))
    {
    }

    void run()
    {
        std::unique_lock lock(m_shared->mutex);
        while (true) {
            const auto due = [&] { return m_shared->stopping || m_shared->wantedRequest != m_shared->takenRequest; };
            if (m_renewAt)
                m_shared->wake.wait_until(lock, *m_renewAt, due);
            else
                m_shared->wake.wait(lock, due);
            if (m_shared->stopping)
                break;
            if (m_shared->wantedRequest != m_shared->takenRequest) {
                const QList<PortMappingPort> wanted = m_shared->wanted;
                const quint64 request = m_shared->takenRequest = m_shared->wantedRequest;
                lock.unlock();
                // Where no router answers there is nothing to tell, and no
                // event at all: the game goes on exactly as without a router.
                const std::optional<PortMappingReport> report = take(wanted, request);
                if (report && report->outcome != PortMappingReport::NoRouter)
                    m_shared->post(request, *report);
                lock.lock();
            } else if (m_renewAt && Clock::now() >= *m_renewAt) {
                lock.unlock();
                renew();
                lock.lock();
            }
            m_shared->holding = !m_mapped.isEmpty();
        }
        lock.unlock();
        endAll();
        lock.lock();
        m_shared->holding = false;
        m_shared->stopped = true;
        m_shared->wake.notify_all();
    }

private:
    // Makes the router's forwards the wanted ones. Reports nothing when no
    // port is wanted, or when a newer request came meanwhile.
    std::optional<PortMappingReport> take(const QList<PortMappingPort>& wanted, quint64 request)
    {
        for (const PortMappingPort& port : QList<PortMappingPort>(m_mapped)) {
            if (!wanted.contains(port))
                end(port);
        }
        if (wanted.isEmpty())
            return std::nullopt;
        if (!m_router)
            m_router = search();
        std::optional<PortMappingReport> report = ask(wanted, request);
        // A router that answered once and is silent now may have gone or
        // restarted: look again, once.
        if (report && report->outcome == PortMappingReport::NoRouter && m_router) {
            m_router.reset();
            m_mapped.clear();
            m_router = search();
            report = ask(wanted, request);
        }
        return report;
    }

    std::unique_ptr<PortMappingRouter> search()
    {
        setSearching(true);
        std::unique_ptr<PortMappingRouter> router = PortMappingDiscovery::find();
        setSearching(false);
        return router;
    }

    void setSearching(bool searching)
    {
        const std::lock_guard lock(m_shared->mutex);
        m_shared->searching = searching;
        m_shared->wake.notify_all();
    }

    std::optional<PortMappingReport> ask(const QList<PortMappingPort>& wanted, quint64 request)
    {
        if (!m_router)
            return PortMappingReport{};
        PortMappingReport report;
        for (const PortMappingPort& port : wanted) {
            if (m_mapped.contains(port))
                continue;
            if (!mayAdd(request))
                return std::nullopt;
            switch (m_router->add(port, Lease)) {
            case PortMappingRouter::Answer::Done:
                m_mapped.append(port);
                m_renewAt = Clock::now() + RenewEvery;
                break;
            case PortMappingRouter::Answer::Taken:
                report.taken = true;
                report.refused.append(port);
                break;
            case PortMappingRouter::Answer::Refused:
                report.refused.append(port);
                break;
            case PortMappingRouter::Answer::Silent:
                return PortMappingReport{};
            }
        }
        if (!report.refused.isEmpty()) {
            report.outcome = PortMappingReport::Refused;
            return report;
        }
        const std::optional<PortMappingRouter::Outside> outside = m_router->outside();
        if (!outside)
            return PortMappingReport{};
        report.externalAddress = outside->address.toString();
        if (!outside->connected || outside->address.isNull())
            report.outcome = PortMappingReport::Offline;
        else if (PortMappingDiscovery::behindTranslation(outside->address))
            report.outcome = PortMappingReport::BehindAnotherRouter;
        else
            report.outcome = PortMappingReport::Forwarded;
        return report;
    }

    // Nothing new is forwarded for a request that a newer one replaced, nor
    // once the program is leaving; from here until the next wait the worker
    // counts as holding a forward.
    bool mayAdd(quint64 request)
    {
        const std::lock_guard lock(m_shared->mutex);
        if (m_shared->stopping || m_shared->wantedRequest != request)
            return false;
        m_shared->holding = true;
        return true;
    }

    void renew()
    {
        for (const PortMappingPort& port : m_mapped)
            m_router->add(port, Lease);
        m_renewAt = Clock::now() + RenewEvery;
    }

    void end(const PortMappingPort& port)
    {
        m_mapped.removeAll(port);
        if (m_router)
            m_router->remove(port);
        if (m_mapped.isEmpty())
            m_renewAt.reset();
    }

    void endAll()
    {
        for (const PortMappingPort& port : QList<PortMappingPort>(m_mapped))
            end(port);
    }

    std::shared_ptr<PortMapping::Shared> m_shared;
    std::unique_ptr<PortMappingRouter> m_router;
    QList<PortMappingPort> m_mapped;
    std::optional<Clock::time_point> m_renewAt;
};

} // namespace

void PortMappingWorker::serve(std::shared_ptr<PortMapping::Shared> shared)
{
    // The router's answers may wait; the window's repaint may not. On Linux
    // a thread has a priority of its own.
    setpriority(PRIO_PROCESS, pid_t(syscall(SYS_gettid)), BackgroundNice);
    Worker(std::move(shared)).run();
}
