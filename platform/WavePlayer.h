// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformExport.h"

#include <QString>

#include <memory>

// Plays one .wav file. A waiting play returns when the sound has ended and
// holds socket events and user input meanwhile; a play that does not wait
// returns at once and the sound goes on. Sounds play over each other, four at
// most: a fifth cuts the oldest, and a waiting play on that one returns. A
// file that is missing or cannot be played gives silence, at once and without
// a message.
class PLATFORM_EXPORT WavePlayer {
public:
    virtual ~WavePlayer() = default;
    virtual void play(const QString& filePath, bool wait) = 0;
};

// The player that the game uses when nobody hands it another one.
PLATFORM_EXPORT std::unique_ptr<WavePlayer> createDefaultWavePlayer();
