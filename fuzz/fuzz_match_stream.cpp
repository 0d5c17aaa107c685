// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the game connection what a peer may send: any bytes, cut at any
// point, values out of turn or naming no square, floods, a backlog behind a
// modal box, a close after it all. A real main window, joined to the peer
// over loopback through its own socket component, dispatches them; what each
// code does to the game is the rules' (fuzz_match_rules checks that on the
// core alone). Checked here on every input: each complete value is
// dispatched exactly once, in order, and the window then shows both seas as
// the rules hold them; a shot's square goes to the last-shot box, garbage
// costs a beep and a line and changes nothing on screen, the defeat starts a
// new game; the peer's close is handled once, after every value it wrote,
// and nothing follows it nor the window's own close; resident memory stays
// within budget.
//
// Input: one setup byte, then actions.
//   setup bit 0   the window hosts (else it joins the peer)
//   setup bit 1   the fleet is placed and Ready pressed first
//   setup bit 2   sound off
//   setup bit 3   the peer closes the connection after its last write
//   setup bit 4   a modal box stays open over the window while the peer
//                 writes and closes: nothing is dispatched until it ends
//   0x00..0xBF n    the next n bytes, written at once
//   0xC0..0xFE t    the player clicks Enemy Sea square t mod 100 (the click
//                   goes to the box instead while one is open)
//   0xFF c v        the 16-bit value v (two bytes, least significant first),
//                   written (c + 1) * 16 times at once
// Nothing is written beyond the first 6 KiB, so that every input
// runs in well under a second; that is still more than the window takes in
// at once, though less than its socket holds behind a box.

#include "EventGate.h"
#include "FuzzApplication.h"
#include "FuzzSupport.h"
#include "GameWindow.h"
#include "MatchDriver.h"
#include "Ports.h"
#include "ScriptedToolkit.h"
#include "StatusLog.h"
#include "TileButton.h"
#include "Winsock.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTcpServer>
#include <QTextBlock>
#include <QTcpSocket>

#include <sys/ioctl.h>

#include <array>
#include <cstdint>
#include <memory>
#include <optional>

using namespace MessageCodes;
using FuzzSupport::fail;

namespace {

constexpr qsizetype MaxWritten = 6 * 1024;

// What the player sees of the seas, and the beeps heard.
struct Observed {
    std::array<quint32, 200> colors{};
    std::array<bool, 200> marked{};
    int beeps = 0;
    bool operator==(const Observed&) const = default;
};

struct Session {
    ScriptedToolkit toolkit;
    GameWindow window;
    std::unique_ptr<QTcpSocket> peer;
    QPointer<QTcpSocket> windowEnd;
    QByteArray written;
    qint64 dispatched = 0;
    bool inDispatch = false;
    bool ended = false;
    std::optional<EventGate::Hold> box;
};
Session* session = nullptr;

Observed observe()
{
    const frmMain& w = *session->window;
    Observed o;
    for (int i = 0; i < 100; ++i) {
        o.colors[i] = w.butHomeTile[i]->color();
        o.marked[i] = !w.butHomeTile[i]->text().isEmpty();
        o.colors[100 + i] = w.butEnemyTile[i]->color();
        o.marked[100 + i] = !w.butEnemyTile[i]->text().isEmpty();
    }
    o.beeps = session->toolkit.beeps;
    return o;
}

// The seas as the rules hold them, as the tiles must show them.
Observed held()
{
    const Match& m = session->window->match();
    Observed o;
    for (int i = 0; i < 100; ++i) {
        o.colors[i] = TileButton::colorOf(m.home().at(i));
        o.marked[i] = m.home().marked(i);
        o.colors[100 + i] = TileButton::colorOf(m.enemy().at(i));
        o.marked[100 + i] = m.enemy().marked(i);
    }
    o.beeps = session->toolkit.beeps;
    return o;
}

QString lastLine()
{
    return session->window->editStatus->lastLine();
}

// What the player must see once value v has been handled, or what is wrong.
QString wrongShowing(qint16 v, const Observed& before, const Observed& after)
{
    const frmMain& w = *session->window;
    if (after != held())
        return QStringLiteral("the seas do not show what the rules hold");
    if (v >= FirstTile && v <= LastTile)
        return w.editLastShot->text() == QString::number(v) ? QString() : QStringLiteral("the shot's square is not shown");
    switch (v) {
    case msgReady:
    case msgHit:
    case msgMissed:
        return {};
    case msgYourTurn:
    case msgEnemyTurn:
        return lastLine() == QLatin1String("Game Started") ? QString() : QStringLiteral("the match did not start");
    case msgYouLose:
        return w.editStatus->lines() == QStringList{"New Game..."}
                       && session->window.journal.contains(QLatin1String("MsgBox You Lose!"))
                   ? QString()
                   : QStringLiteral("the defeat did not start a new game");
    default: {
        // Garbage, values of 100 and above included: a beep and a line, nothing else.
        Observed expected = before;
        ++expected.beeps;
        return after == expected && lastLine() == QLatin1String("Received Garbage")
                   ? QString()
                   : QStringLiteral("garbage changed the game");
    }
    }
}

// Stands around the window's own handler: the k-th call must dispatch the
// k-th value written.
void dispatch(long bytesTotal)
{
    Session& s = *session;
    if (s.inDispatch)
        fail(QStringLiteral("a value was dispatched inside the dispatch of another"));
    if (s.ended)
        fail(QStringLiteral("a value was dispatched after the connection closed"));
    const qint64 index = s.dispatched;
    if (2 * index + 2 > s.written.size())
        fail(QStringLiteral("value %1 was dispatched before its two bytes were written").arg(index));
    const qint16 v = qint16(quint8(s.written[2 * index]) | quint8(s.written[2 * index + 1]) << 8);
    const Observed before = observe();
    s.inDispatch = true;
    s.window->Winsock1_DataArrival(bytesTotal);
    s.inDispatch = false;
    ++s.dispatched;
    const QString wrong = wrongShowing(v, before, observe());
    if (!wrong.isEmpty())
        fail(QStringLiteral("value %1 (%2): %3").arg(index).arg(v).arg(wrong));
    s.ended = v == msgYouLose;
}

// Stands around the window's close handler: the peer's close comes once,
// after every value that the peer wrote, and never after the window's own.
void peerClosed()
{
    Session& s = *session;
    if (s.ended)
        fail(QStringLiteral("the peer's close was handled after the connection had ended"));
    if (s.dispatched != s.written.size() / 2)
        fail(QStringLiteral("the peer's close was handled after %1 of %2 complete values")
                 .arg(s.dispatched)
                 .arg(s.written.size() / 2));
    s.ended = true;
    s.window->Winsock1_Close();
}

qint64 unreadInKernel(const QTcpSocket* socket)
{
    int pending = 0;
    return ioctl(int(socket->socketDescriptor()), FIONREAD, &pending) == 0 ? pending : -1;
}

// Waits until the window has taken every byte written and dispatched every
// complete value.
void settle()
{
    Session& s = *session;
    const bool settled = FuzzSupport::waitUntil([&] {
        s.peer->readAll();
        s.peer->flush();
        if (s.ended)
            return true;
        if (!s.windowEnd)
            fail(QStringLiteral("the connection was lost"));
        return s.peer->bytesToWrite() == 0 && unreadInKernel(s.windowEnd) == 0
               && s.windowEnd->bytesAvailable() == 0 && s.dispatched == s.written.size() / 2;
    });
    if (!settled)
        fail(QStringLiteral("%1 of %2 complete values dispatched").arg(s.dispatched).arg(s.written.size() / 2));
}

// Writes the bytes; without a box, the window takes them all before the next
// write, which is then a new cut.
void write(const QByteArray& bytes)
{
    Session& s = *session;
    s.peer->write(bytes);
    s.written += bytes;
    s.peer->flush();
    if (!s.box)
        settle();
}

// The peer closes, if the input says so, and the box ends once the window's
// socket has seen all that the peer did; then the window must catch up.
void finish(bool close)
{
    Session& s = *session;
    if (close)
        s.peer->disconnectFromHost();
    if (s.box) {
        const bool seen = FuzzSupport::waitUntil([&] {
            s.peer->readAll();
            if (!s.windowEnd)
                fail(QStringLiteral("the connection was lost behind the box"));
            if (close)
                return s.peer->state() == QAbstractSocket::UnconnectedState
                       && s.windowEnd->state() == QAbstractSocket::UnconnectedState;
            return s.peer->bytesToWrite() == 0 && unreadInKernel(s.windowEnd) == 0;
        });
        if (!seen)
            fail(QStringLiteral("the window's socket did not take in what the peer did behind the box"));
        s.box.reset();
    }
    if (!close)
        settle();
    else if (!FuzzSupport::waitUntil([&] { return s.ended; }))
        fail(QStringLiteral("the peer's close was never handled (%1 of %2 complete values dispatched)")
                 .arg(s.dispatched)
                 .arg(s.written.size() / 2));
}

// A new game, joined to a fresh peer.
void join(bool host)
{
    Session& s = *session;
    GameWindow& w = s.window;
    w->mnuFileNew_Click();
    s.peer.reset();
    w.journal.clear();
    s.toolkit.prompts.clear();
    s.toolkit.titles.clear();
    s.toolkit.buttons.clear();
    s.written.clear();
    s.dispatched = 0;
    s.ended = false;

    if (host) {
        w->butReceive_Click();
        s.peer = std::make_unique<QTcpSocket>();
        s.peer->connectToHost(QHostAddress::LocalHost, GamePort);
    } else {
        QTcpServer listener;
        if (!listener.listen(QHostAddress::LocalHost, GamePort))
            fail(QStringLiteral("the peer cannot listen: ") + listener.errorString());
        w->editIP->setText(QStringLiteral("127.0.0.1"));
        w->butConnect_Click();
        if (!FuzzSupport::waitUntil([&] { return listener.hasPendingConnections(); }))
            fail(QStringLiteral("the window did not join the peer"));
        s.peer.reset(listener.nextPendingConnection());
        s.peer->setParent(nullptr);
    }
    if (!FuzzSupport::waitUntil([&] { return w->match().state().bConnected && s.peer->state() == QAbstractSocket::ConnectedState; }))
        fail(QStringLiteral("the window and the peer were not connected"));
    s.windowEnd = nullptr;
    for (QTcpSocket* socket : w->Winsock1->findChildren<QTcpSocket*>()) {
        if (socket->state() == QAbstractSocket::ConnectedState && socket->peerPort() == s.peer->localPort())
            s.windowEnd = socket;
    }
    if (!s.windowEnd)
        fail(QStringLiteral("the window's end of the connection was not found"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzApplication::start();
    session = new Session;
    QObject::disconnect(session->window->Winsock1, &Winsock::DataArrival, session->window.window.get(),
                        &frmMain::Winsock1_DataArrival);
    QObject::connect(session->window->Winsock1, &Winsock::DataArrival, &dispatch);
    QObject::disconnect(session->window->Winsock1, &Winsock::Closed, session->window.window.get(),
                        &frmMain::Winsock1_Close);
    QObject::connect(session->window->Winsock1, &Winsock::Closed, &peerClosed);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return -1;
    Session& s = *session;
    GameWindow& w = s.window;
    const std::uint8_t setup = data[0];
    w->mnuOptionsSound->setChecked(!(setup & 4));
    w->mnuOptionsSound_Click();
    join(setup & 1);
    if (setup & 2) {
        MatchDriver::placeFleet(*w);
        w->butReady_Click();
    }
    if (setup & 16)
        s.box.emplace();

    std::size_t at = 1;
    while (at < size && !s.ended && s.written.size() < MaxWritten) {
        const std::uint8_t action = data[at++];
        if (action < 0xC0) {
            const std::size_t n = std::min<std::size_t>(action, size - at);
            write(QByteArray(reinterpret_cast<const char*>(data + at), qsizetype(n)));
            at += n;
        } else if (action < 0xFF) {
            if (at < size && !s.box)
                w->butEnemyTile[data[at] % 100]->click();
            ++at;
        } else if (at + 2 < size) {
            const qsizetype times = std::min<qsizetype>((data[at] + 1) * 16, (MaxWritten - s.written.size()) / 2);
            write(QByteArray(reinterpret_cast<const char*>(data + at + 1), 2).repeated(times));
            at += 3;
        }
    }
    if (!s.ended)
        finish(setup & 8);
    FuzzSupport::checkMemory();
    return 0;
}
