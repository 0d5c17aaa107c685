// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Board.h"

#include <QList>

#include <optional>

// The local fleet as the player places it: each ship's squares, in
// ascending tile order, and the direction of its line (1 vertical, 2
// horizontal; meaningful from the ship's second square on). Ships are
// numbered in fleet order, as in Board::Ships.
struct Fleet {
    static constexpr short Vertical = 1;
    static constexpr short Horizontal = 2;

    QList<short> colCarrier, colDestroyer, colCruiser, colSubmarine, colPTBoat;
    short iDirCarrier = 0, iDirDestroyer = 0, iDirCruiser = 0, iDirSubmarine = 0, iDirPTBoat = 0;

    const QList<short>& squares(int ship) const;
    short direction(int ship) const;

    bool complete(int ship) const;
    // The first ship short of squares, in fleet order.
    std::optional<int> firstIncomplete() const;
    // The direction of the ship's line once square `index` has joined it, or
    // nothing when the square would not extend the line at one of its ends.
    std::optional<short> extendedBy(int ship, short index) const;
    // Adds a square that extends the line, keeping the squares ascending.
    void add(int ship, short index, short direction);
    // Every ship without squares; the directions stay as they were.
    void clear();

    bool operator==(const Fleet& other) const;

private:
    QList<short>& squares(int ship);
    short& direction(int ship);
};
