// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the way from the Internet: while this side hosts, the local router
// is asked to forward the game port and the chat port to this machine; while
// it joins, the chat port, so that the host's chat reaches it. The host says
// in one status line what the router did; where no router answers, nothing
// is said at all.

#include "frmMain.h"

#include "PortMapping.h"
#include "Ports.h"
#include "Winsock.h"

#include <QAction>

namespace {

const PortMappingPort GameForward{PortMappingPort::TCP, GamePort};
const PortMappingPort ChatForward{PortMappingPort::UDP, ChatPort};

QString portNames(const QList<PortMappingPort>& ports)
{
    QStringList names;
    for (const PortMappingPort& port : ports) {
        names << (port.protocol == PortMappingPort::TCP ? frmMain::tr("TCP port %1") : frmMain::tr("UDP port %1"))
                     .arg(port.number);
    }
    return names.size() == 2 ? frmMain::tr("%1 and %2").arg(names[0], names[1]) : names.join(QStringLiteral(", "));
}

QString describe(const PortMappingReport& report)
{
    switch (report.outcome) {
    case PortMappingReport::Forwarded:
        return frmMain::tr("Players on the Internet can connect to %1").arg(report.externalAddress);
    case PortMappingReport::BehindAnotherRouter:
        return frmMain::tr("Players on the Internet cannot connect: the router is behind another router "
                           "(outside address %1)")
            .arg(report.externalAddress);
    case PortMappingReport::Offline:
        return frmMain::tr("Players on the Internet cannot connect: the router is not connected to the Internet");
    case PortMappingReport::Refused:
        return report.taken ? frmMain::tr("The router refused to open %1: already forwarded to another machine")
                                  .arg(portNames(report.refused))
                            : frmMain::tr("The router refused to open %1").arg(portNames(report.refused));
    case PortMappingReport::NoRouter:
        break;
    }
    return {};
}

} // namespace

void frmMain::askRouter(bool hosting)
{
    if (!bUseRouter)
        return;
    const quint64 request = PortMapping1->Request(hosting ? QList{GameForward, ChatForward} : QList{ChatForward});
    m_routerHosting = hosting ? request : 0;
}

void frmMain::releaseRouter()
{
    PortMapping1->Request({});
    m_routerHosting = 0;
}

// A report that comes once the host no longer waits (a guest came first,
// or the game was reset) has nothing left to tell the player.
void frmMain::PortMapping1_Reported(quint64 request, const PortMappingReport& report)
{
    if (request != m_routerHosting || Winsock1->State() != Winsock::sckListening)
        return;
    const QString line = describe(report);
    if (!line.isEmpty())
        AppendStatus(line);
}

// Turned off, the router is told at once that nothing is wanted any more;
// turned on, it is asked at the next Receive or Connect.
void frmMain::mnuOptionsRouter_Click()
{
    bUseRouter = mnuOptionsRouter->isChecked();
    if (!bUseRouter)
        releaseRouter();
}
