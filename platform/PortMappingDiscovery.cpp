// SPDX-License-Identifier: GPL-3.0-or-later
#include "PortMappingRouter.h"

namespace {

// SSDP gives every device this long to answer.
constexpr std::chrono::milliseconds UpnpWait{2000};
// A NAT-PMP router answers its question while UPnP's discovery waits; one
// that has not by then gets this much longer.
constexpr std::chrono::milliseconds NatPmpGrace{250};

} // namespace

bool PortMappingDiscovery::behindTranslation(const QHostAddress& address)
{
    static const QPair<QHostAddress, int> ranges[] = {
        QHostAddress::parseSubnet(QStringLiteral("10.0.0.0/8")),
        QHostAddress::parseSubnet(QStringLiteral("172.16.0.0/12")),
        QHostAddress::parseSubnet(QStringLiteral("192.168.0.0/16")),
        QHostAddress::parseSubnet(QStringLiteral("100.64.0.0/10")),
    };
    for (const auto& range : ranges) {
        if (address.isInSubnet(range))
            return true;
    }
    return false;
}

std::unique_ptr<PortMappingRouter> PortMappingDiscovery::find()
{
    NatPmpProbe natPmp;
    if (!natPmp.open())
        return nullptr;
    const QHostAddress local = natPmp.localAddress();
    if (!behindTranslation(local))
        return nullptr;
    natPmp.ask();
    if (std::unique_ptr<PortMappingRouter> upnp = discoverUpnp(local, UpnpWait))
        return upnp;
    return natPmp.answer(std::chrono::steady_clock::now() + NatPmpGrace);
}
