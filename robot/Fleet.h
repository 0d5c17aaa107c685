// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Sea.h"

#include <vector>

namespace Robot {

// Every straight line of `size` squares on the sea, horizontal ones first.
const std::vector<SquareSet>& placements(int size);

// A legal fleet: each ship one straight line, no square shared; ships may
// touch, as the game allows.
struct Fleet {
    std::array<SquareSet, ShipCount> ships;
    SquareSet squares;
};

Fleet randomFleet(Rng& rng);

} // namespace Robot
