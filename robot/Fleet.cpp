// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fleet.h"

namespace Robot {

namespace {

std::vector<SquareSet> linesOf(int size)
{
    std::vector<SquareSet> lines;
    for (int row = 0; row < Side; ++row) {
        for (int column = 0; column + size <= Side; ++column) {
            SquareSet line;
            for (int i = 0; i < size; ++i)
                line.add(row * Side + column + i);
            lines.push_back(line);
        }
    }
    for (int row = 0; row + size <= Side; ++row) {
        for (int column = 0; column < Side; ++column) {
            SquareSet line;
            for (int i = 0; i < size; ++i)
                line.add((row + i) * Side + column);
            lines.push_back(line);
        }
    }
    return lines;
}

} // namespace

const std::vector<SquareSet>& placements(int size)
{
    static const std::array<std::vector<SquareSet>, Side + 1> all = [] {
        std::array<std::vector<SquareSet>, Side + 1> table;
        for (int s = 1; s <= Side; ++s)
            table[s] = linesOf(s);
        return table;
    }();
    return all[size];
}

// Ship by ship, a line drawn uniformly among all lines of its size until one
// fits beside the ships already placed.
Fleet randomFleet(Rng& rng)
{
    Fleet fleet;
    for (int ship = 0; ship < ShipCount; ++ship) {
        const std::vector<SquareSet>& lines = placements(ShipSizes[ship]);
        std::uniform_int_distribution<std::size_t> pick(0, lines.size() - 1);
        SquareSet line;
        do {
            line = lines[pick(rng)];
        } while (fleet.squares.meets(line));
        fleet.ships[ship] = line;
        fleet.squares = fleet.squares | line;
    }
    return fleet;
}

} // namespace Robot
