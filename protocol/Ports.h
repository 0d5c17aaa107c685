// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The game connection is a TCP stream to the host's GamePort; the chat sends
// datagrams from and to ChatPort on both machines.
inline constexpr quint16 GamePort = 6431;
inline constexpr quint16 ChatPort = 6432;
