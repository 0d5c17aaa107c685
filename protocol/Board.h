// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

// The board and the fleet that both players agree on. A square is named by
// its tile index, row * Side + column, 0 (A1) to 99 (J10).
namespace Board {

inline constexpr int Side = 10;
inline constexpr int Squares = Side * Side;

struct Ship {
    // As the game names the ship in its notices.
    const char* name;
    int size;
};

// In the fixed order in which ships are chosen and checked.
inline constexpr std::array<Ship, 5> Ships{{
    {"Carrier", 5},
    {"Destroyer", 4},
    {"Cruiser", 3},
    {"Submarine", 3},
    {"PTBoat", 2},
}};
inline constexpr int ShipCount = int(Ships.size());

// A fleet is sunk when this many distinct squares are hit.
inline constexpr int FleetSquares = [] {
    int squares = 0;
    for (const Ship& ship : Ships)
        squares += ship.size;
    return squares;
}();
static_assert(FleetSquares == 17);

} // namespace Board
