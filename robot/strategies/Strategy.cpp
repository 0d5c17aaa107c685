// SPDX-License-Identifier: GPL-3.0-or-later
#include "Strategy.h"

namespace Robot {

Strategy strategyNamed(std::string_view name)
{
    for (const NamedStrategy& strategy : Strategies) {
        if (strategy.name == name)
            return strategy.fire;
    }
    return nullptr;
}

int pickFrom(SquareSet squares, Rng& rng)
{
    const int count = squares.size();
    if (count == 0)
        return -1;
    int skip = std::uniform_int_distribution<int>(0, count - 1)(rng);
    int chosen = -1;
    squares.forEach([&](int square) {
        if (skip-- == 0)
            chosen = square;
    });
    return chosen;
}

} // namespace Robot
