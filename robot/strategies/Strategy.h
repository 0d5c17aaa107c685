// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Sea.h"

#include <string_view>

namespace Robot {

// A strategy looks at what the shots so far found and names an open square to
// fire at next, or -1 when no square is open. It keeps nothing between calls:
// the same board and the same generator state give the same square.
using Strategy = int (*)(const ShotBoard& board, Rng& rng);

int fireRandom(const ShotBoard& board, Rng& rng);
int fireHunt(const ShotBoard& board, Rng& rng);
int fireDensity(const ShotBoard& board, Rng& rng);

struct NamedStrategy {
    std::string_view name;
    Strategy fire;
};

inline constexpr std::array<NamedStrategy, 3> Strategies = {{
    {"random", fireRandom},
    {"hunt", fireHunt},
    {"density", fireDensity},
}};

// The strategy of that name, or nullptr.
Strategy strategyNamed(std::string_view name);

// One square of the set, each equally likely; -1 for an empty set.
int pickFrom(SquareSet squares, Rng& rng);

} // namespace Robot
