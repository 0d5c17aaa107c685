// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// An address as both programs show it: dotted-decimal text for IPv4, also
// for an IPv4 address held in IPv6 form, and the usual text otherwise.
// Takes any address type with toIPv4Address(bool*) and toString(), so that
// this header needs no network module.
template <typename Address>
QString dotted(const Address& address)
{
    bool isIPv4 = false;
    const quint32 ipv4 = address.toIPv4Address(&isIPv4);
    if (!isIPv4)
        return address.toString();
    return QStringLiteral("%1.%2.%3.%4")
        .arg(ipv4 >> 24)
        .arg((ipv4 >> 16) & 0xFF)
        .arg((ipv4 >> 8) & 0xFF)
        .arg(ipv4 & 0xFF);
}
