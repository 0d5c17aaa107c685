// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <cstdio>

namespace Robot {

// Plays `games` games offline for each strategy, each against the same
// random fleets, and prints how many shots each needed to hit all 17 squares
// and how long it took to choose a shot.
void simulate(int games, std::uint64_t seed, int threads, std::FILE* out);

} // namespace Robot
