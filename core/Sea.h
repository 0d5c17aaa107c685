// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Board.h"

#include <QtGlobal>

#include <array>
#include <cstring>
#include <type_traits>

// What a square holds. The window shows each as its colour.
enum class Square : quint8 {
    Unknown, // an Enemy Sea square not fired at yet
    Water,   // water; on the Enemy Sea, a shot of ours that missed
    Ship,    // a square of one of our ships
    Hit,     // a ship square that a shot struck
};

// One sea, by tile index: each square's state and whether it has been shot
// at (the "X" mark).
class Sea {
public:
    explicit Sea(Square fill) { clear(fill); }

    Square at(int index) const { return m_squares[index]; }
    bool marked(int index) const { return m_marks[index]; }
    const std::array<Square, Board::Squares>& squares() const { return m_squares; }

    void set(int index, Square square) { m_squares[index] = square; }
    void mark(int index) { m_marks[index] = true; }
    // Every square `fill`, no mark left.
    void clear(Square fill)
    {
        m_squares.fill(fill);
        m_marks.fill(false);
    }

    bool operator==(const Sea& other) const
    {
        return std::memcmp(this, &other, sizeof(Sea)) == 0;
    }

private:
    // Plain bytes, compared as such.
    std::array<Square, Board::Squares> m_squares{};
    std::array<bool, Board::Squares> m_marks{};
};
static_assert(std::has_unique_object_representations_v<Sea>);
