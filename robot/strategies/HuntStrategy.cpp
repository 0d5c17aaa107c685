// SPDX-License-Identifier: GPL-3.0-or-later
#include "Strategy.h"

namespace Robot {

// Hunt and target: while some hit has an open neighbour, fire at one of
// those neighbours; otherwise fire anywhere open. Since the game never says
// that a ship went down, every hit keeps its neighbours in the target list.
int fireHunt(const ShotBoard& board, Rng& rng)
{
    const SquareSet open = board.with(Shot::Unknown);
    SquareSet targets;
    board.with(Shot::Hit).forEach([&](int square) {
        const int row = square / Side;
        const int column = square % Side;
        if (row > 0)
            targets.add(square - Side);
        if (row < Side - 1)
            targets.add(square + Side);
        if (column > 0)
            targets.add(square - 1);
        if (column < Side - 1)
            targets.add(square + 1);
    });
    targets = targets & open;
    return pickFrom(targets.empty() ? open : targets, rng);
}

} // namespace Robot
