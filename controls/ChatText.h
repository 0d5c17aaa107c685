// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

// The chat's payload is 8-bit Latin-1 text, one byte per character, one
// message per datagram.
namespace ChatText {

// The most that one IPv4 datagram can carry.
inline constexpr int MaxDatagram = 65507;

// Each character that Latin-1 cannot carry becomes one "?", so a text of n
// characters always goes out as n bytes.
QString toLatin1Text(const QString& typed);

// A line too long for one datagram goes out as several, in order, never cut.
// An empty line is one empty datagram.
QStringList datagrams(const QString& latin1Text);

// The longest line an area shows: laying out one very long line costs far
// more than laying out the same text as several, so a longer message goes on
// as many lines as it needs.
inline constexpr int MaxShownLine = 1024;

// The lines that show a message in an area: control characters as visible
// symbols, so that a peer's text can neither break lines nor hide anything,
// and at most MaxShownLine characters to a line.
QStringList shownLines(const QString& text);

} // namespace ChatText
