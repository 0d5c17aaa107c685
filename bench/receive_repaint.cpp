// SPDX-License-Identifier: GPL-3.0-or-later
// The game's window, shown, clicked on Receive again and again: how long from
// the click until the window's next repaint, and until the status log shows
// the router's outside address. Each run ends with Game > New, which ends
// the forwards again. router_wait.py runs it on the home machine of a small
// Internet, with and without a router that forwards.
//   receive_repaint <runs> [--router-off] [--address]
// --router-off turns Options > Open Ports on the Router off first; --address
// waits for the address line in each run. Prints one line per figure: its
// name, then the milliseconds of each run.

#include "StatusLog.h"
#include "frmMain.h"

#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QPushButton>
#include <QWindow>

#include <cstdio>
#include <cstdlib>
#include <optional>

namespace {

// Notes when the window paints after a click, and when the status log first
// paints a line that gives the outside address.
class PaintClock final : public QObject {
public:
    PaintClock(frmMain& window, QElapsedTimer& clock)
        : m_window(window)
        , m_clock(clock)
    {
        qApp->installEventFilter(this);
    }

    void reset()
    {
        painted.reset();
        shown.reset();
    }

    std::optional<qint64> painted;
    std::optional<qint64> shown;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Paint && widget && widget->window() == &m_window) {
            if (!painted)
                painted = m_clock.nsecsElapsed();
            const bool log = widget == m_window.editStatus || widget->parent() == m_window.editStatus;
            if (log && !shown && m_window.editStatus->lastLine().startsWith(QLatin1String("Players on the Internet")))
                shown = m_clock.nsecsElapsed();
        }
        return false;
    }

private:
    frmMain& m_window;
    QElapsedTimer& m_clock;
};

void spin(int ms)
{
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

void printRuns(const char* name, const std::vector<double>& runs)
{
    std::printf("%s", name);
    for (const double ms : runs)
        std::printf(" %.3f", ms);
    std::printf("\n");
}

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ossaria"));
    QApplication::setQuitOnLastWindowClosed(false);
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    const QStringList options = QCoreApplication::arguments().mid(2);
    if (runs <= 0) {
        std::fprintf(stderr, "usage: receive_repaint <runs> [--router-off] [--address]\n");
        return 2;
    }

    frmMain window;
    window.mnuOptionsSound->trigger();
    if (options.contains(QLatin1String("--router-off")))
        window.mnuOptionsRouter->trigger();
    window.show();
    while (!window.windowHandle() || !window.windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    spin(500);

    QElapsedTimer clock;
    clock.start();
    PaintClock paints(window, clock);
    std::vector<double> repaint, shown;
    for (int run = 0; run < runs; ++run) {
        paints.reset();
        const qint64 start = clock.nsecsElapsed();
        window.butReceive->click();
        const bool address = options.contains(QLatin1String("--address"));
        while ((!paints.painted || (address && !paints.shown)) && clock.nsecsElapsed() - start < 10'000'000'000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
        if (!paints.painted || (address && !paints.shown)) {
            std::fprintf(stderr, "run %d: no %s within 10 s\n", run, paints.painted ? "address" : "repaint");
            return 1;
        }
        repaint.push_back(double(*paints.painted - start) / 1e6);
        if (address)
            shown.push_back(double(*paints.shown - start) / 1e6);
        window.mnuFileNew->trigger();
        spin(300);
    }
    printRuns("repaint", repaint);
    if (!shown.empty())
        printRuns("shown", shown);
    return 0;
}
