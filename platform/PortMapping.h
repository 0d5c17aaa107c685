// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformExport.h"

#include <QList>
#include <QObject>
#include <QString>

#include <memory>
#include <thread>

// One port that the router is asked to forward to this machine, the same
// number outside and inside.
struct PortMappingPort {
    enum Protocol { TCP, UDP };
    Protocol protocol = TCP;
    quint16 number = 0;

    friend bool operator==(const PortMappingPort&, const PortMappingPort&) = default;
};

// What the router said to one request.
struct PortMappingReport {
    enum Outcome {
        // No router answered, or this machine needs none (it has an address
        // of its own on the Internet, or no network at all). Never reported.
        NoRouter,
        // Every port is forwarded from the router's outside address.
        Forwarded,
        // Forwarded, but the router's outside address is itself private or
        // shared: another router stands between it and the Internet.
        BehindAnotherRouter,
        // Forwarded, but the router says it has no connection to the Internet.
        Offline,
        // The router refused at least one port; the others are forwarded.
        Refused,
    };
    Outcome outcome = NoRouter;
    QString externalAddress;
    QList<PortMappingPort> refused;
    // At least one refused port is already forwarded to another machine.
    bool taken = false;
};

// Asks the local network's router to forward ports to this machine, by UPnP
// (Internet Gateway Device) or, where that finds nothing, NAT-PMP. The talk
// with the router runs on a thread of its own, so no call waits for the
// network; each report comes back as an event through the process-wide
// event gate, like a socket event.
//
// Forwards are leased for a few minutes and renewed while they are wanted,
// so the router drops them by itself soon after a machine that crashed.
class PLATFORM_EXPORT PortMapping : public QObject {
    Q_OBJECT
public:
    explicit PortMapping(QObject* parent = nullptr);
    // Ends the forwards with the router, waiting a moment for it to answer.
    ~PortMapping() override;

    // The ports to forward from now on, in place of those asked for before;
    // none ends every forward. Returns the number that the request's report
    // carries. Asking for no port, and asking where no router answers,
    // reports nothing.
    quint64 Request(const QList<PortMappingPort>& ports);

    struct Shared;

signals:
    void Reported(quint64 request, const PortMappingReport& report);

private:
    void deliver(quint64 request, const PortMappingReport& report);

    std::shared_ptr<Shared> m_shared;
    std::thread m_thread;
    quint64 m_lastRequest = 0;
};
