// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the rules of one side of a match, without a window or a socket, what
// a peer may send, cut anywhere, mixed with the local player's clicks, in
// every phase of a match: joined as host or guest, placing, ready, playing,
// won and lost. The bytes go through the wire's reader as the socket's would.
// Checked on every value: each complete value is dispatched exactly once, in
// order, with the effect of its code; no value outside 0..99 reaches a
// square; garbage changes nothing (the window beeps and logs a line).
// Checked on every click: a refused click changes nothing. Checked after
// every step: the fleet's lines, the seas and the flags hold together; we
// declare ready and win at most once a match. Memory stays within budget.
//
// Input: one setup byte, then actions.
//   setup bit 0      host (else guest)
//   setup bit 1      the fleet is placed first
//   setup bits 2..7  the host's draw, (setup >> 2) / 64
//   0x00..0x7F n     the next n bytes arrive
//   0x80 c v v       the value v (least significant byte first) arrives
//                    (c mod 32 + 1) * 8 times in one piece
//   0x81 s           Home Sea click on square s mod 100
//   0x82 k           ship option k mod 6 selected (5: none)
//   0x83             Ready to Play
//   0x84             Reset Ships, answered Yes
//   0x85 s           Enemy Sea click on square s mod 100
//   0x86             the last send completes
//   0x87             the connection breaks
//   0x88             Game > New, then joined again
//   0x89             the fleet is placed, ship by ship

#include "FuzzSupport.h"
#include "Match.h"
#include "Wire.h"

#include <cstdint>
#include <optional>

using namespace MessageCodes;
using FuzzSupport::fail;

namespace {

constexpr qsizetype MaxArrived = 2 * 1024;
// Reading the resident size costs more than most inputs.
constexpr int MemoryCheckEvery = 1024;

const Sea AllWater(Square::Water);
const Sea AllUnknown(Square::Unknown);

const QList<QList<short>> Ships = {{0, 1, 2, 3, 4}, {20, 21, 22, 23}, {40, 41, 42}, {60, 61, 62}, {80, 81}};

// What a value may change; the fleet only on a new game.
struct Snapshot {
    MatchState state;
    Sea home;
    Sea enemy;
    explicit Snapshot(const Match& m) : state(m.state()), home(m.home()), enemy(m.enemy()) {}
};

// The host's draw in the current input.
float draw = 0;

struct Side {
    Side(const Match& joined, bool asHost) : host(asHost), match(joined) {}
    bool host;
    Match match;
    Wire::ValueReader reader;
    QByteArray arrived;
    qint64 dispatched = 0;
    std::optional<int> ship = 0;
    // What the window sends once per match.
    int readySent = 0;
    int defeatSent = 0;
    // The seas as last checked.
    Sea checkedHome{Square::Water};
    Sea checkedEnemy{Square::Unknown};
};

// Only square `changed` of the sea may differ.
bool othersUnchanged(const Sea& before, const Sea& after, int changed)
{
    Sea expected = before;
    expected.set(changed, after.at(changed));
    if (after.marked(changed))
        expected.mark(changed);
    return expected == after;
}

bool noShips(const Fleet& fleet)
{
    for (int ship = 0; ship < Board::ShipCount; ++ship) {
        if (!fleet.squares(ship).isEmpty())
            return false;
    }
    return true;
}

// The effect that value v must have had, or what is wrong.
QString wrongEffect(qint16 v, const Received& r, const Snapshot& before, const std::optional<Fleet>& fleetBefore,
                    const Match& after)
{
    const MatchState& s = after.state();
    if (v >= FirstTile && v <= LastTile) {
        const bool ship = before.home.at(v) != Square::Water;
        return r.code == Received::Shot && r.shot.square == v && r.shot.hit == ship && after.home().marked(v)
                       && after.home().at(v) == (ship ? Square::Hit : Square::Water) && s.bMyTurn && s.bCanShoot
                       && othersUnchanged(before.home, after.home(), v) && before.enemy == after.enemy()
                   ? QString()
                   : QStringLiteral("the shot was not answered on its square");
    }
    const bool squaresKept = before.home == after.home() && before.enemy == after.enemy();
    switch (v) {
    case msgReady: {
        // The start begins when this makes both ready, or was pending already.
        const bool starts = before.state.bStartPending || (!before.state.bGameOn && before.state.bReady);
        return r.code == Received::Ready && s.bOppReady && squaresKept && r.start.has_value() == starts
                   ? QString()
                   : QStringLiteral("not taken as ready");
    }
    case msgYourTurn:
    case msgEnemyTurn: {
        const bool mine = r.start && (r.start->host ? r.start->hostFirst : v == msgYourTurn);
        return r.start && r.start->host == s.bHost && s.bMyTurn == mine && s.bCanShoot == (v == msgYourTurn)
                       && !s.bStartPending && squaresKept
                   ? QString()
                   : QStringLiteral("the match did not start with the turn");
    }
    case msgHit:
    case msgMissed: {
        const int square = s.iShotTile;
        const bool counted = v == msgHit && before.enemy.at(square) != Square::Hit;
        return r.code == (v == msgHit ? Received::Hit : Received::Missed) && r.result.square == square
                       && r.result.counted == counted && after.enemy().marked(square)
                       && after.enemy().at(square) == (v == msgHit ? Square::Hit : Square::Water)
                       && s.iHitCount == before.state.iHitCount + counted && s.bCanShoot
                       && othersUnchanged(before.enemy, after.enemy(), square) && before.home == after.home()
                   ? QString()
                   : QStringLiteral("the answer was not marked on the last shot's square");
    }
    case msgYouLose: {
        return r.code == Received::YouLose && s == MatchState{.iShotTile = before.state.iShotTile}
                       && after.home() == AllWater && after.enemy() == AllUnknown && noShips(after.fleet())
                   ? QString()
                   : QStringLiteral("the defeat did not reset the game");
    }
    default:
        return r.code == Received::Garbage && before.state == s && squaresKept && fleetBefore == after.fleet()
                   ? QString()
                   : QStringLiteral("garbage changed the game");
    }
}

// What holds after every step.
void checkFlags(const Side& side)
{
    const MatchState& s = side.match.state();
    if (s.iShotTile < FirstTile || s.iShotTile > LastTile)
        fail(QStringLiteral("iShotTile left 0..99"));
    if ((s.bGameOn && !(s.bReady && s.bOppReady)) || (s.bStartPending && !s.bGameOn) || (s.bReady && s.bPlacing))
        fail(QStringLiteral("the flags do not fit together"));
    if (side.readySent > 1 || side.defeatSent > 1)
        fail(QStringLiteral("ready or victory declared twice in a match"));
    if (side.reader.pendingBytes() > 1)
        fail(QStringLiteral("a complete value was left undispatched"));
}

// What holds between the seas and the fleet, checked whenever a sea changes
// (the fleet never changes alone).
void checkBoards(const Side& side)
{
    const Match& m = side.match;
    const MatchState& s = m.state();
    int fleetSquares = 0;
    int enemyHits = 0;
    const Square* homeSquares = m.home().squares().data();
    const Square* enemySquares = m.enemy().squares().data();
    for (int i = 0; i < Board::Squares; ++i) {
        const Square home = homeSquares[i];
        const Square enemy = enemySquares[i];
        if (home == Square::Unknown || enemy == Square::Ship)
            fail(QStringLiteral("square %1 holds what its sea never shows").arg(i));
        fleetSquares += home == Square::Ship;
        enemyHits += enemy == Square::Hit;
    }
    if (s.iHitCount < enemyHits)
        fail(QStringLiteral("fewer hits counted than shown"));
    for (int ship = 0; ship < Board::ShipCount; ++ship) {
        const QList<short>& squares = m.fleet().squares(ship);
        if (squares.size() > Board::Ships[ship].size)
            fail(QStringLiteral("ship %1 is too long").arg(ship));
        const short* line = squares.constData();
        for (qsizetype i = 0; i < squares.size(); ++i) {
            const short square = line[i];
            if (square < FirstTile || square > LastTile || m.home().at(square) == Square::Water)
                fail(QStringLiteral("ship %1 stands on no ship square").arg(ship));
            fleetSquares -= m.home().at(square) == Square::Ship;
            const int step = i ? square - line[i - 1] : 0;
            const bool joined = m.fleet().direction(ship) == Fleet::Vertical
                                    ? step == Board::Side
                                    : step == 1 && square / Board::Side == line[i - 1] / Board::Side;
            if (i && !joined)
                fail(QStringLiteral("ship %1 is not one straight line").arg(ship));
        }
    }
    if (fleetSquares != 0)
        fail(QStringLiteral("a ship square belongs to no ship, or to two"));
}

void checkStep(Side& side)
{
    checkFlags(side);
    if (side.match.home() != side.checkedHome || side.match.enemy() != side.checkedEnemy) {
        checkBoards(side);
        side.checkedHome = side.match.home();
        side.checkedEnemy = side.match.enemy();
    }
}

// A new game joined again: the connection and the stream start afresh.
void join(Side& side)
{
    if (side.host)
        side.match.hosting();
    side.match.connected();
    side.match.openPlacement();
    side.reader.clear();
    side.arrived.clear();
    side.dispatched = 0;
    side.readySent = side.defeatSent = 0;
}

void arrive(Side& side, QByteArrayView bytes)
{
    side.reader.append(bytes);
    side.arrived.append(bytes);
    while (const std::optional<qint16> value = side.reader.next()) {
        const qint64 at = 2 * side.dispatched++;
        if (*value != Wire::decode(side.arrived[at], side.arrived[at + 1]))
            fail(QStringLiteral("value %1 was not the one that arrived there").arg(at / 2));
        const Snapshot before(side.match);
        // Only garbage is checked against the whole fleet.
        const bool garbage = *value > LastTile || *value < msgYouLose || *value == -2;
        const std::optional<Fleet> fleetBefore = garbage ? std::optional(side.match.fleet()) : std::nullopt;
        const Received r = side.match.received(*value);
        const QString wrong = wrongEffect(*value, r, before, fleetBefore, side.match);
        if (!wrong.isEmpty())
            fail(QStringLiteral("value %1 (%2): %3").arg(at / 2).arg(*value).arg(wrong));
        if (r.code == Received::YouLose)
            join(side);
        else if (r.result.counted && side.match.victory())
            ++side.defeatSent;
    }
}

void placeFleet(Match& m)
{
    for (int ship = 0; ship < Board::ShipCount; ++ship) {
        for (short square : Ships[ship])
            m.placeSquare(square, ship);
    }
}

// A side just joined as host or guest (setup bit 0), its fleet placed or not
// (bit 1): made once, copied for each input.
const Match& joined(std::uint8_t setup)
{
    static const auto make = [](bool host, bool placed) {
        Match m([] { return draw; });
        if (host)
            m.hosting();
        m.connected();
        m.openPlacement();
        if (placed)
            placeFleet(m);
        return m;
    };
    static const Match sides[4] = {make(false, false), make(true, false), make(false, true), make(true, true)};
    return sides[setup & 3];
}

// A click that the rules refuse changes nothing.
void click(Side& side, std::uint8_t action, std::uint8_t operand)
{
    Match& m = side.match;
    const Snapshot before(m);
    const Fleet fleetBefore = m.fleet();
    bool refused = false;
    switch (action) {
    case 0x81:
        refused = m.placeSquare(operand % 100, side.ship) != Placement::Placed;
        if (!refused && m.home().at(operand % 100) != Square::Ship)
            fail(QStringLiteral("a placed square is no ship"));
        break;
    case 0x83: {
        const Readiness ready = m.declareReady();
        refused = !ready.declared;
        side.readySent += ready.declared;
        if (refused && !ready.incompleteShip != !before.state.bPlacing)
            fail(QStringLiteral("Ready refused for the wrong reason"));
        break;
    }
    case 0x84:
        m.ClearFleet();
        if (m.state() != before.state || m.home() != AllWater || !noShips(m.fleet()))
            fail(QStringLiteral("Reset Ships did more or less than clear the fleet"));
        break;
    case 0x85: {
        // Aimed on our turn of a running match; fired when connected and no
        // shot waits for its answer.
        MatchState expected = before.state;
        refused = !m.aim(operand % 100);
        if (refused != !(before.state.bGameOn && before.state.bMyTurn))
            fail(QStringLiteral("an Enemy Sea click aimed out of turn, or did not aim on it"));
        if (refused)
            break;
        expected.iShotTile = operand % 100;
        const Fire fire = m.FireShot();
        const Fire due = !expected.bConnected ? Fire::NotConnected : !expected.bCanShoot ? Fire::CannotShoot : Fire::Fired;
        if (fire == Fire::Fired)
            expected.bMyTurn = expected.bCanShoot = false;
        if (fire != due || m.state() != expected || m.home() != before.home || m.enemy() != before.enemy)
            fail(QStringLiteral("firing did not do what it should"));
        break;
    }
    case 0x86:
        refused = !m.SendComplete();
        if (refused == before.state.bStartPending)
            fail(QStringLiteral("a pending start did not begin, or one began unasked"));
        break;
    case 0x87:
        m.connectionBroken();
        break;
    }
    if (refused && (m.state() != before.state || m.home() != before.home || m.enemy() != before.enemy || m.fleet() != fleetBefore))
        fail(QStringLiteral("refused click 0x%1 changed the game").arg(action, 0, 16));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return -1;
    draw = float(data[0] >> 2) / 64;
    Side side(joined(data[0]), data[0] & 1);
    checkStep(side);

    std::size_t at = 1;
    while (at < size && side.arrived.size() < MaxArrived) {
        const std::uint8_t action = data[at++];
        const std::uint8_t operand = at < size ? data[at] : 0;
        if (action < 0x80) {
            const std::size_t n = std::min<std::size_t>(action, size - at);
            arrive(side, QByteArrayView(data + at, qsizetype(n)));
            at += n;
        } else if (action == 0x80) {
            if (at + 2 < size)
                arrive(side, QByteArray(reinterpret_cast<const char*>(data + at + 1), 2).repeated((data[at] % 32 + 1) * 8));
            at += 3;
        } else if (action == 0x82) {
            side.ship = operand % 6 < 5 ? std::optional<int>(operand % 6) : std::nullopt;
            ++at;
        } else if (action == 0x88) {
            side.match.ResetGame();
            join(side);
        } else if (action == 0x89) {
            placeFleet(side.match);
        } else if (action <= 0x87) {
            click(side, action, operand);
            at += action == 0x81 || action == 0x85;
        }
        checkStep(side);
    }
    static int inputs = 0;
    if (++inputs % MemoryCheckEvery == 0)
        FuzzSupport::checkMemory();
    return 0;
}
