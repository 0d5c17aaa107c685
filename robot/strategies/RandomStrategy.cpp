// SPDX-License-Identifier: GPL-3.0-or-later
#include "Strategy.h"

namespace Robot {

// Any square not fired at yet, each equally likely.
int fireRandom(const ShotBoard& board, Rng& rng)
{
    return pickFrom(board.with(Shot::Unknown), rng);
}

} // namespace Robot
