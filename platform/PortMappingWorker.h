// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PortMapping.h"

#include <condition_variable>
#include <memory>
#include <mutex>

// What the user-interface thread and the worker share, under the mutex.
struct PortMapping::Shared {
    std::mutex mutex;
    std::condition_variable wake;
    QList<PortMappingPort> wanted;
    quint64 wantedRequest = 0;
    quint64 takenRequest = 0;
    // The worker holds forwards, or is asking for one: leaving now would
    // leave them open until their lease ends.
    bool holding = false;
    // The worker is looking for a router, which takes seconds where none
    // answers.
    bool searching = false;
    bool stopping = false;
    bool stopped = false;
    // Where reports go; null once it is being destroyed.
    PortMapping* owner = nullptr;

    // Hands a report to the owner's thread, if the owner is still there.
    void post(quint64 request, const PortMappingReport& report);
};

namespace PortMappingWorker {

// The worker thread: asks the router for what is wanted, renews the leases,
// and ends every forward when told to stop.
void serve(std::shared_ptr<PortMapping::Shared> shared);

} // namespace PortMappingWorker
