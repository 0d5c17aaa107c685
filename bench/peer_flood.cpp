// How fast the game takes a flood of values from a peer, and what it costs
// in memory: a raw peer writes values that name no square, each of which the
// window answers with a beep and a "Received Garbage" line.
//
//   QT_QPA_PLATFORM=offscreen build/bin/peer_flood [values]

#include "StatusLog.h"
#include "Winsock.h"
#include "frmMain.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTcpSocket>
#include <QTextStream>

namespace {

long residentKiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n'))
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong();
    return -1;
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    const long values = argc > 1 ? std::atol(argv[1]) : 200000;
    QTextStream out(stdout);

    frmMain window(nullptr, {QCoreApplication::applicationDirPath()});
    window.bSoundOn = false;
    long dispatched = 0;
    QObject::connect(window.Winsock1, &Winsock::DataArrival, [&] { ++dispatched; });
    window.butReceive_Click();

    QTcpSocket peer;
    peer.connectToHost(QHostAddress::LocalHost, 6431);
    if (!peer.waitForConnected(5000)) {
        out << "could not join the window on port 6431\n";
        return 1;
    }
    while (!window.bConnected)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);

    const long before = residentKiB();
    const QByteArray garbage = QByteArray("\xFE\xFF").repeated(1000);
    QElapsedTimer clock;
    clock.start();
    for (long sent = 0; sent < values; sent += 1000) {
        peer.write(garbage);
        peer.waitForBytesWritten(1000);
        QCoreApplication::processEvents();
    }
    while (dispatched < values && clock.elapsed() < 120000)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 100);
    const qint64 ms = clock.elapsed();

    out << "values dispatched:   " << dispatched << " of " << values << "\n"
        << "time:                " << ms << " ms\n"
        << "per value:           " << (dispatched ? 1000.0 * ms / dispatched : 0) << " us\n"
        << "status log lines:    " << window.editStatus->lines().size() << "\n"
        << "resident memory:     " << before << " KiB before, " << residentKiB() << " KiB after\n";
    window.Winsock1->Close();
    return dispatched == values ? 0 : 1;
}
