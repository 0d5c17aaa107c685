// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds the chat window any datagrams a peer may send. The control library
// is loaded as the game loads it, its chat window opened on a free port of
// this machine, and a raw datagram socket plays the peer. Checked on every
// input: each datagram is shown exactly once, in order, as one line of as
// many characters as it had bytes, printable bytes as themselves and no
// control character that could break or hide a line; resident memory stays
// within budget.
//
// Input: datagrams, one after another.
//   0x00..0xFE n   a datagram of the next n bytes
//   0xFF b lo hi   a datagram of the byte b repeated lo + 256 * hi times
//                  (at most the 65507 bytes that one datagram carries)
// What comes after the first 128 KiB sent is left out, so that every input
// runs in well under a second.

#include "ChatText.h"
#include "ControlHarness.h"
#include "FuzzApplication.h"
#include "FuzzSupport.h"
#include "ScriptedToolkit.h"

#include <QCoreApplication>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QUdpSocket>

#include <algorithm>
#include <cstdint>

using FuzzSupport::fail;

namespace {

constexpr int MaxDatagram = 65507;
// Sent together, then awaited: few and small enough that loopback drops none.
constexpr int Batch = 32;
constexpr qsizetype BatchBytes = 64 * 1024;
constexpr qsizetype MaxSent = 128 * 1024;

struct Session {
    ScriptedToolkit toolkit;
    QWidget host;
    QWidget* component = nullptr;
    QUdpSocket peer;
    quint16 port = 0;
    quint64 batches = 0;
};
Session* session = nullptr;

QPlainTextEdit* remoteArea()
{
    QWidget* chat = ControlHarness::shownChat(session->component);
    return chat ? chat->findChild<QPlainTextEdit*>(QStringLiteral("editRemoteMsgArea")) : nullptr;
}

bool printable(uchar byte)
{
    return (byte >= 0x20 && byte < 0x7F) || byte >= 0xA0;
}

QString wrongLine(const QByteArray& datagram, const QString& line)
{
    if (line.size() != datagram.size())
        return QStringLiteral("%1 characters for %2 bytes").arg(line.size()).arg(datagram.size());
    for (qsizetype i = 0; i < line.size(); ++i) {
        const uchar byte = uchar(datagram[i]);
        if (printable(byte) ? line[i] != QChar(byte) : line[i].category() == QChar::Other_Control)
            return QStringLiteral("byte %1 (0x%2) shown as U+%3")
                .arg(i)
                .arg(byte, 2, 16, QLatin1Char('0'))
                .arg(line[i].unicode(), 4, 16, QLatin1Char('0'));
    }
    return {};
}

// Sends the batch and a marker after it; once the marker is the last line,
// the lines before it must be the batch, and the line before those the
// previous marker.
void deliver(const QList<QByteArray>& batch, const QString& previousMarker)
{
    Session& s = *session;
    const QString marker = QStringLiteral("marker %1").arg(++s.batches);
    for (const QByteArray& datagram : batch)
        s.peer.writeDatagram(datagram, QHostAddress::LocalHost, s.port);
    s.peer.writeDatagram(marker.toLatin1(), QHostAddress::LocalHost, s.port);
    const auto lastLine = [] {
        if (!remoteArea())
            fail(QStringLiteral("the chat window closed"));
        return remoteArea()->document()->lastBlock();
    };
    if (!FuzzSupport::waitUntil([&] { return lastLine().text() == marker; }))
        fail(QStringLiteral("a batch of %1 datagrams was not shown").arg(batch.size()));
    // A datagram longer than the longest shown line goes on over as many lines
    // as it needs.
    QTextBlock block = lastLine().previous();
    for (qsizetype i = batch.size() - 1; i >= 0; --i) {
        const qsizetype lines = std::max<qsizetype>(1, (batch[i].size() + ChatText::MaxShownLine - 1) / ChatText::MaxShownLine);
        QString shown;
        for (qsizetype line = 0; line < lines && block.isValid(); ++line, block = block.previous())
            shown.prepend(block.text());
        const QString wrong = wrongLine(batch[i], shown);
        if (!wrong.isEmpty())
            fail(QStringLiteral("datagram %1 of %2: %3").arg(i).arg(batch.size()).arg(wrong));
    }
    if (block.text() != previousMarker)
        fail(QStringLiteral("%1 datagrams were not shown in order after the last batch").arg(batch.size()));
}

// A chat freshly opened towards this machine: its own greeting comes back.
void openChat()
{
    Session& s = *session;
    QMetaObject::invokeMethod(s.component, "CloseChat");
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QMetaObject::invokeMethod(s.component, "OpenChat", Q_ARG(QString, QStringLiteral("127.0.0.1")),
                              Q_ARG(QString, QString::number(s.port)));
    if (!FuzzSupport::waitUntil([] {
            return remoteArea() && remoteArea()->document()->lastBlock().text() == QLatin1String("127.0.0.1");
        }))
        fail(QStringLiteral("the chat did not open"));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    FuzzApplication::start();
    session = new Session;
    QString failure;
    session->component = ControlHarness::createComponent(&session->host, &failure);
    if (!session->component)
        fail(QStringLiteral("the control library: ") + failure);
    QUdpSocket probe;
    probe.bind(QHostAddress::AnyIPv4, 0);
    session->port = probe.localPort();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    openChat();
    QString previous = QStringLiteral("127.0.0.1");
    QList<QByteArray> batch;
    qsizetype batchBytes = 0;
    const auto flush = [&] {
        deliver(batch, previous);
        previous = QStringLiteral("marker %1").arg(session->batches);
        batch.clear();
        batchBytes = 0;
    };
    qsizetype sent = 0;
    std::size_t at = 0;
    while (at < size && sent < MaxSent) {
        QByteArray datagram;
        const std::uint8_t n = data[at++];
        if (n < 0xFF) {
            const std::size_t length = std::min<std::size_t>(n, size - at);
            datagram = QByteArray(reinterpret_cast<const char*>(data + at), qsizetype(length));
            at += length;
        } else if (at + 2 < size) {
            datagram = QByteArray(std::min(MaxDatagram, data[at + 1] | data[at + 2] << 8), char(data[at]));
            at += 3;
        } else {
            break;
        }
        if (batchBytes + datagram.size() > BatchBytes && !batch.isEmpty())
            flush();
        batchBytes += datagram.size();
        sent += datagram.size();
        batch << datagram;
        if (batch.size() == Batch)
            flush();
    }
    if (!batch.isEmpty())
        flush();
    FuzzSupport::checkMemory();
    return 0;
}
