// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Board.h"

#include <array>
#include <bit>
#include <cstdint>
#include <random>

// The opponent's sea as the robot knows it, and the small types that every
// part of the robot shares.
namespace Robot {

inline constexpr int Side = Board::Side;
inline constexpr int Squares = Board::Squares;
inline constexpr int FleetSquares = Board::FleetSquares;
inline constexpr int ShipCount = Board::ShipCount;
// In fleet order: Carrier, Destroyer, Cruiser, Submarine, PT boat.
inline constexpr std::array<int, ShipCount> ShipSizes = [] {
    std::array<int, ShipCount> sizes{};
    for (int ship = 0; ship < ShipCount; ++ship)
        sizes[ship] = Board::Ships[ship].size;
    return sizes;
}();

using Rng = std::mt19937_64;

// A set of squares, one bit per tile index: cheap enough to test millions
// of placements a second.
struct SquareSet {
    std::uint64_t low = 0;  // squares 0..63
    std::uint64_t high = 0; // squares 64..99

    static SquareSet of(int square)
    {
        SquareSet set;
        set.add(square);
        return set;
    }
    void add(int square)
    {
        if (square < 64)
            low |= std::uint64_t(1) << square;
        else
            high |= std::uint64_t(1) << (square - 64);
    }
    bool has(int square) const
    {
        return square < 64 ? (low >> square) & 1 : (high >> (square - 64)) & 1;
    }
    bool empty() const { return (low | high) == 0; }
    bool meets(SquareSet other) const { return (low & other.low) | (high & other.high); }
    bool covers(SquareSet other) const
    {
        return (other.low & ~low) == 0 && (other.high & ~high) == 0;
    }
    int size() const { return std::popcount(low) + std::popcount(high); }
    int first() const
    {
        return low ? std::countr_zero(low) : 64 + std::countr_zero(high);
    }
    // Calls f(square) for every square of the set, ascending.
    template <typename F>
    void forEach(F&& f) const
    {
        for (std::uint64_t bits = low; bits; bits &= bits - 1)
            f(std::countr_zero(bits));
        for (std::uint64_t bits = high; bits; bits &= bits - 1)
            f(64 + std::countr_zero(bits));
    }

    SquareSet operator|(SquareSet o) const { return {low | o.low, high | o.high}; }
    SquareSet operator&(SquareSet o) const { return {low & o.low, high & o.high}; }
    SquareSet without(SquareSet o) const { return {low & ~o.low, high & ~o.high}; }
    bool operator==(const SquareSet&) const = default;
};

// What came back for each square fired at.
enum class Shot : std::uint8_t { Unknown, Miss, Hit };

struct ShotBoard {
    std::array<Shot, Squares> squares{};

    SquareSet with(Shot shot) const
    {
        SquareSet set;
        for (int square = 0; square < Squares; ++square) {
            if (squares[square] == shot)
                set.add(square);
        }
        return set;
    }
    bool open(int square) const { return squares[square] == Shot::Unknown; }
};

} // namespace Robot
