// SPDX-License-Identifier: GPL-3.0-or-later
#include "Fleet.h"

#include <algorithm>

namespace {

constexpr QList<short> Fleet::*Squares[Board::ShipCount] = {
    &Fleet::colCarrier, &Fleet::colDestroyer, &Fleet::colCruiser, &Fleet::colSubmarine, &Fleet::colPTBoat};
constexpr short Fleet::*Directions[Board::ShipCount] = {
    &Fleet::iDirCarrier, &Fleet::iDirDestroyer, &Fleet::iDirCruiser, &Fleet::iDirSubmarine, &Fleet::iDirPTBoat};

// J1 (9) and A2 (10) differ by one but lie in different rows.
bool sameRow(int a, int b)
{
    return a / Board::Side == b / Board::Side;
}

} // namespace

const QList<short>& Fleet::squares(int ship) const
{
    return this->*Squares[ship];
}

QList<short>& Fleet::squares(int ship)
{
    return this->*Squares[ship];
}

short Fleet::direction(int ship) const
{
    return this->*Directions[ship];
}

short& Fleet::direction(int ship)
{
    return this->*Directions[ship];
}

bool Fleet::complete(int ship) const
{
    return squares(ship).size() >= Board::Ships[ship].size;
}

std::optional<int> Fleet::firstIncomplete() const
{
    for (int ship = 0; ship < Board::ShipCount; ++ship) {
        if (!complete(ship))
            return ship;
    }
    return std::nullopt;
}

// A second square sets the direction, the vertical neighbour tried first;
// later squares must continue the line at its first or its last square.
std::optional<short> Fleet::extendedBy(int ship, short index) const
{
    const QList<short>& line = squares(ship);
    if (line.isEmpty())
        return direction(ship);
    const short first = line.first();
    const short last = line.last();
    if (line.size() == 1) {
        if (index == first + Board::Side || index == first - Board::Side)
            return Vertical;
        if ((index == first + 1 || index == first - 1) && sameRow(index, first))
            return Horizontal;
        return std::nullopt;
    }
    const short d = direction(ship);
    if (d == Vertical && (index == first - Board::Side || index == last + Board::Side))
        return d;
    if (d == Horizontal && ((index == first - 1 && sameRow(index, first)) || (index == last + 1 && sameRow(index, last))))
        return d;
    return std::nullopt;
}

void Fleet::add(int ship, short index, short lineDirection)
{
    direction(ship) = lineDirection;
    QList<short>& line = squares(ship);
    if (line.isEmpty())
        line.reserve(Board::Ships[ship].size);
    if (line.isEmpty() || index > line.last())
        line.append(index);
    else
        line.prepend(index);
}

void Fleet::clear()
{
    for (int ship = 0; ship < Board::ShipCount; ++ship)
        squares(ship).clear();
}

// Not QList's own comparison: it hands memcmp a null pointer when one empty
// list has storage and the other has none.
bool Fleet::operator==(const Fleet& other) const
{
    for (int ship = 0; ship < Board::ShipCount; ++ship) {
        const QList<short>& line = squares(ship);
        const QList<short>& otherLine = other.squares(ship);
        if (line.size() != otherLine.size() || direction(ship) != other.direction(ship))
            return false;
        // A copy shares its squares until either side changes them.
        if (line.constData() != otherLine.constData()
            && !std::equal(line.constData(), line.constData() + line.size(), otherLine.constData()))
            return false;
    }
    return true;
}
