// SPDX-License-Identifier: GPL-3.0-or-later
#include "Strategy.h"

#include "Fleet.h"

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

// Probability density without being told which ship went down: each open
// square is weighed by how many whole fleets agree with every hit and every
// miss so far and put a ship on it. The fleets are drawn by a Gibbs sampler:
// a randomised search finds one fleet that agrees, then ships are moved one
// at a time, each to a line drawn uniformly among those that keep the fleet in
// agreement. In the long run a chain visits equally often every agreeing
// fleet that such moves can reach from its start; several short chains from
// different starts reach more of them, so one start does not decide the shot.

namespace Robot {

namespace {

constexpr int Chains = 8;
constexpr int BurnInSweeps = 10;
constexpr int CountedSweeps = 60;
// The searches for starting fleets give up after this many steps in all; a
// board that no fleet fits (a peer that answered falsely) ends there too.
constexpr int SearchSteps = 3000;

struct Problem {
    SquareSet hits;
    // For each ship, the lines of its size that cross no miss.
    std::array<std::vector<SquareSet>, ShipCount> lines;
};

struct Layout {
    std::array<SquareSet, ShipCount> ships;
    SquareSet all;
    unsigned placed = 0;

    void put(int ship, SquareSet line)
    {
        ships[ship] = line;
        all = all | line;
        placed |= 1u << ship;
    }
    void lift(int ship)
    {
        all = all.without(ships[ship]);
        placed &= ~(1u << ship);
    }
};

// Two ships of one size are interchangeable: trying the first unplaced one
// is enough.
bool firstOfItsSize(const Layout& layout, int ship)
{
    for (int other = 0; other < ship; ++other) {
        if (ShipSizes[other] == ShipSizes[ship] && !(layout.placed & (1u << other)))
            return false;
    }
    return true;
}

// Places the ships left over once every hit is covered: they may lie on any
// open water beside the others.
bool placeRest(const Problem& problem, Layout& layout, Rng& rng)
{
    for (int ship = 0; ship < ShipCount; ++ship) {
        if (layout.placed & (1u << ship))
            continue;
        SquareSet fits[Squares * 2];
        int count = 0;
        for (SquareSet line : problem.lines[ship]) {
            if (!line.meets(layout.all))
                fits[count++] = line;
        }
        if (count == 0)
            return false;
        layout.put(ship, fits[std::uniform_int_distribution<int>(0, count - 1)(rng)]);
    }
    return true;
}

// Covers the uncovered hit that the fewest lines can still cover, trying
// those lines in random order, and goes on from there; a hit that no line can
// cover any more ends the branch at once.
bool search(const Problem& problem, Layout& layout, Rng& rng, int& steps)
{
    if (--steps < 0)
        return false;
    const SquareSet uncovered = problem.hits.without(layout.all);
    if (uncovered.empty()) {
        const Layout before = layout;
        if (placeRest(problem, layout, rng))
            return true;
        layout = before;
        return false;
    }
    std::array<int, Squares> ways{};
    for (int ship = 0; ship < ShipCount; ++ship) {
        if ((layout.placed & (1u << ship)) || !firstOfItsSize(layout, ship))
            continue;
        for (SquareSet line : problem.lines[ship]) {
            if (!line.meets(layout.all))
                (line & uncovered).forEach([&](int hit) { ++ways[hit]; });
        }
    }
    int hit = -1;
    uncovered.forEach([&](int square) {
        if (hit < 0 || ways[square] < ways[hit])
            hit = square;
    });
    if (ways[hit] == 0)
        return false;
    std::vector<std::pair<int, SquareSet>> options;
    for (int ship = 0; ship < ShipCount; ++ship) {
        if ((layout.placed & (1u << ship)) || !firstOfItsSize(layout, ship))
            continue;
        for (SquareSet line : problem.lines[ship]) {
            if (line.has(hit) && !line.meets(layout.all))
                options.emplace_back(ship, line);
        }
    }
    std::shuffle(options.begin(), options.end(), rng);
    for (const auto& [ship, line] : options) {
        layout.put(ship, line);
        if (search(problem, layout, rng, steps))
            return true;
        layout.lift(ship);
    }
    return false;
}

// Moves one ship to a line drawn uniformly among those that cross no other
// ship and still leave every hit covered. Its present line is one of them.
void moveShip(const Problem& problem, Layout& layout, int ship, Rng& rng)
{
    const SquareSet others = layout.all.without(layout.ships[ship]);
    const SquareSet needed = problem.hits.without(others);
    SquareSet fits[Squares * 2];
    int count = 0;
    for (SquareSet line : problem.lines[ship]) {
        if (!line.meets(others) && line.covers(needed))
            fits[count++] = line;
    }
    layout.ships[ship] = fits[std::uniform_int_distribution<int>(0, count - 1)(rng)];
    layout.all = others | layout.ships[ship];
}

} // namespace

int fireDensity(const ShotBoard& board, Rng& rng)
{
    const SquareSet open = board.with(Shot::Unknown);
    Problem problem;
    problem.hits = board.with(Shot::Hit);
    const SquareSet misses = board.with(Shot::Miss);
    for (int ship = 0; ship < ShipCount; ++ship) {
        for (SquareSet line : placements(ShipSizes[ship])) {
            if (!line.meets(misses))
                problem.lines[ship].push_back(line);
        }
    }

    std::array<int, Squares> weight{};
    int steps = SearchSteps;
    std::optional<Layout> found;
    for (int chain = 0; chain < Chains; ++chain) {
        Layout layout;
        // Once the steps are spent, a chain starts from a fleet found before.
        if (search(problem, layout, rng, steps))
            found = layout;
        else if (found)
            layout = *found;
        else
            break;
        for (int sweep = 0; sweep < BurnInSweeps + CountedSweeps; ++sweep) {
            for (int ship = 0; ship < ShipCount; ++ship)
                moveShip(problem, layout, ship, rng);
            if (sweep >= BurnInSweeps)
                layout.all.forEach([&](int square) { ++weight[square]; });
        }
    }

    int best = 0;
    SquareSet heaviest;
    open.forEach([&](int square) {
        if (weight[square] > best) {
            best = weight[square];
            heaviest = {};
        }
        if (weight[square] == best && best > 0)
            heaviest.add(square);
    });
    // No fleet agrees with the answers: they were not all true.
    if (heaviest.empty())
        return fireHunt(board, rng);
    return pickFrom(heaviest, rng);
}

} // namespace Robot
