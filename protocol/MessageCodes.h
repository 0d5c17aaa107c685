// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QtGlobal>

// The messages of the game connection: one 16-bit signed value each.
// 0..99 is a shot at that tile; the negative values below are the codes.
namespace MessageCodes {

inline constexpr qint16 msgReady = -1;
inline constexpr qint16 msgYourTurn = -3;
inline constexpr qint16 msgEnemyTurn = -4;
inline constexpr qint16 msgHit = -5;
inline constexpr qint16 msgMissed = -6;
inline constexpr qint16 msgYouLose = -7;

inline constexpr qint16 FirstTile = 0;
inline constexpr qint16 LastTile = 99;

} // namespace MessageCodes
