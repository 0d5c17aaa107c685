// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PortMapping.h"

#include <QHostAddress>

#include <chrono>
#include <memory>
#include <optional>

// A router found on the local network, spoken to in one protocol. Every call
// waits for the router's answer, a bounded time: call it from the worker
// thread only.
class PortMappingRouter {
public:
    virtual ~PortMappingRouter() = default;

    enum class Answer {
        Done,
        // Another machine holds the port.
        Taken,
        // The router will not forward it.
        Refused,
        // The router did not answer: it may be gone.
        Silent,
    };
    virtual Answer add(const PortMappingPort& port, std::chrono::seconds lease) = 0;
    virtual void remove(const PortMappingPort& port) = 0;

    struct Outside {
        bool connected = false;
        QHostAddress address;
    };
    virtual std::optional<Outside> outside() = 0;
};

namespace PortMappingDiscovery {

// The router of this machine's network, or none: none either where no
// router answers in time, or where this machine has no default route, or an
// address towards it that is not private (it is on the Internet itself).
std::unique_ptr<PortMappingRouter> find();

// A private (RFC 1918) or shared (RFC 6598) IPv4 address: one behind a
// router that translates addresses.
bool behindTranslation(const QHostAddress& address);

} // namespace PortMappingDiscovery

// Each protocol's half of the search. The NAT-PMP question goes out first and
// is answered while UPnP's discovery waits.
class NatPmpProbe {
public:
    NatPmpProbe();
    ~NatPmpProbe();
    // Opens a socket towards the default gateway; false without one.
    bool open();
    QHostAddress localAddress() const;
    void ask();
    // The router if it has answered by the deadline.
    std::unique_ptr<PortMappingRouter> answer(std::chrono::steady_clock::time_point deadline);

    struct State;

private:
    std::unique_ptr<State> m_state;
};

std::unique_ptr<PortMappingRouter> discoverUpnp(const QHostAddress& localAddress, std::chrono::milliseconds wait);
