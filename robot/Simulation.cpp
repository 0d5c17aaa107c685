// SPDX-License-Identifier: GPL-3.0-or-later
#include "Simulation.h"

#include "Fleet.h"
#include "strategies/Strategy.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cmath>
#include <string>
#include <thread>
#include <time.h>
#include <vector>

namespace Robot {

namespace {

using Clock = std::chrono::steady_clock;

// The processor time of this thread: on a machine shared with other work,
// the wall clock of one shot would also count the time spent waiting for
// a core.
double threadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

struct GameResult {
    int shots = 0;
    double choosing = 0; // processor seconds spent choosing, all shots together
    double slowest = 0;  // processor seconds of the slowest single shot
};

// Each game draws its fleet and its strategy's choices from its own seed,
// so the figures do not depend on how the games are shared among threads.
GameResult play(Strategy strategy, std::uint64_t seed, int game)
{
    std::seed_seq fleetSeed{seed, std::uint64_t(game), std::uint64_t(0)};
    std::seed_seq shotSeed{seed, std::uint64_t(game), std::uint64_t(1)};
    Rng fleetRng(fleetSeed);
    Rng shotRng(shotSeed);
    const Fleet fleet = randomFleet(fleetRng);

    ShotBoard board;
    GameResult result;
    int hits = 0;
    while (hits < FleetSquares && result.shots < Squares) {
        const double start = threadSeconds();
        const int square = strategy(board, shotRng);
        const double took = threadSeconds() - start;
        result.choosing += took;
        result.slowest = std::max(result.slowest, took);
        ++result.shots;
        const bool hit = fleet.squares.has(square);
        board.squares[square] = hit ? Shot::Hit : Shot::Miss;
        hits += hit;
    }
    return result;
}

std::vector<GameResult> playAll(Strategy strategy, int games, std::uint64_t seed, int threads)
{
    std::vector<GameResult> results(games);
    std::atomic<int> next{0};
    std::vector<std::thread> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back([&] {
            for (int game = next++; game < games; game = next++)
                results[game] = play(strategy, seed, game);
        });
    }
    for (std::thread& worker : workers)
        worker.join();
    return results;
}

} // namespace

void simulate(int games, std::uint64_t seed, int threads, std::FILE* out)
{
    std::fprintf(out, "shots to hit all %d squares; processor time to choose one shot\n",
                 FleetSquares);
    std::fprintf(out, "%-8s %7s %6s %6s %4s %4s %12s %11s %8s\n", "strategy", "games", "mean",
                 "median", "p95", "max", "ms/shot mean", "ms/shot max", "wall s");
    for (const NamedStrategy& strategy : Strategies) {
        const Clock::time_point start = Clock::now();
        const std::vector<GameResult> results = playAll(strategy.fire, games, seed, threads);
        const double wall = std::chrono::duration<double>(Clock::now() - start).count();

        std::vector<int> shots;
        double choosing = 0;
        double slowest = 0;
        long totalShots = 0;
        for (const GameResult& result : results) {
            shots.push_back(result.shots);
            choosing += result.choosing;
            slowest = std::max(slowest, result.slowest);
            totalShots += result.shots;
        }
        std::sort(shots.begin(), shots.end());
        const double mean = double(totalShots) / games;
        const double median = games % 2 ? shots[games / 2]
                                        : (shots[games / 2 - 1] + shots[games / 2]) / 2.0;
        const int p95 = shots[std::size_t(std::ceil(0.95 * games)) - 1];
        std::fprintf(out, "%-8s %7d %6.1f %6.1f %4d %4d %12.3f %11.2f %8.1f\n",
                     std::string(strategy.name).c_str(), games, mean, median, p95, shots.back(),
                     1000 * choosing / totalShots, 1000 * slowest, wall);
        std::fflush(out);
    }
}

} // namespace Robot
