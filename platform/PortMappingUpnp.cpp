// SPDX-License-Identifier: GPL-3.0-or-later
// UPnP Internet Gateway Device: found by SSDP multicast, then spoken to by
// SOAP over HTTP at the address it gave.

#include "PortMappingRouter.h"

#include <miniupnpc/miniupnpc.h>
#include <miniupnpc/upnpcommands.h>

#include <cstring>

namespace {

// The router's UPnP error numbers that this side acts upon.
constexpr int ConflictInMappingEntry = 718;
constexpr int OnlyPermanentLeasesSupported = 725;

class UpnpRouter final : public PortMappingRouter {
public:
    UpnpRouter(const UPNPUrls& urls, const IGDdatas& data, const char* localAddress)
        : m_urls(urls)
        , m_data(data)
        , m_localAddress(localAddress)
    {
    }
    ~UpnpRouter() override { FreeUPNPUrls(&m_urls); }

    Answer add(const PortMappingPort& port, std::chrono::seconds lease) override
    {
        int result = map(port, QByteArray::number(qlonglong(lease.count())));
        // Such a router keeps the forward until it is ended: at the latest
        // when this program ends.
        if (result == OnlyPermanentLeasesSupported)
            result = map(port, "0");
        if (result == UPNPCOMMAND_SUCCESS)
            return Answer::Done;
        if (result == ConflictInMappingEntry)
            return Answer::Taken;
        // Negative numbers are the library's own: no answer, or none it could read.
        return result > 0 ? Answer::Refused : Answer::Silent;
    }

    void remove(const PortMappingPort& port) override
    {
        UPNP_DeletePortMapping(m_urls.controlURL, m_data.first.servicetype, number(port).constData(),
                               protocol(port), nullptr);
    }

    // Decided from the router's own status and outside address: the library
    // would call a router with an outside address in a reserved range "not
    // connected" although it says it is.
    std::optional<Outside> outside() override
    {
        char status[64] = {};
        char lastError[64] = {};
        unsigned int uptime = 0;
        if (UPNP_GetStatusInfo(m_urls.controlURL, m_data.first.servicetype, status, &uptime, lastError)
            != UPNPCOMMAND_SUCCESS)
            return std::nullopt;
        char address[40] = {};
        if (UPNP_GetExternalIPAddress(m_urls.controlURL, m_data.first.servicetype, address) != UPNPCOMMAND_SUCCESS)
            return std::nullopt;
        return Outside{std::strcmp(status, "Connected") == 0, QHostAddress(QString::fromLatin1(address))};
    }

private:
    static QByteArray number(const PortMappingPort& port) { return QByteArray::number(port.number); }
    static const char* protocol(const PortMappingPort& port)
    {
        return port.protocol == PortMappingPort::TCP ? "TCP" : "UDP";
    }

    int map(const PortMappingPort& port, const QByteArray& lease)
    {
        const QByteArray portText = number(port);
        return UPNP_AddPortMapping(m_urls.controlURL, m_data.first.servicetype, portText.constData(),
                                   portText.constData(), m_localAddress.constData(), OSSARIA_TITLE, protocol(port),
                                   nullptr, lease.constData());
    }

    UPNPUrls m_urls;
    IGDdatas m_data;
    QByteArray m_localAddress;
};

} // namespace

std::unique_ptr<PortMappingRouter> discoverUpnp(const QHostAddress& localAddress, std::chrono::milliseconds wait)
{
    int error = 0;
    const QByteArray interfaceAddress = localAddress.toString().toLatin1();
    UPNPDev* devices = upnpDiscover(int(wait.count()), interfaceAddress.constData(), nullptr, UPNP_LOCAL_PORT_ANY,
                                    0, 2, &error);
    if (!devices)
        return nullptr;
    UPNPUrls urls{};
    IGDdatas data{};
    char lanAddress[64] = {};
    const int found = UPNP_GetValidIGD(devices, &urls, &data, lanAddress, sizeof lanAddress);
    freeUPNPDevlist(devices);
    // 1: a gateway that says it is connected; 2: one that the library takes
    // for not connected, which outside() decides for itself; 3: a device
    // that is no gateway.
    if (found == 1 || found == 2)
        return std::make_unique<UpnpRouter>(urls, data, lanAddress);
    if (found != 0)
        FreeUPNPUrls(&urls);
    return nullptr;
}
