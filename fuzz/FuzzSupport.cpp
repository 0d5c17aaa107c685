// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFile>

#include <cstdio>
#include <cstdlib>

// Freed memory that AddressSanitizer keeps aside would count as resident:
// keep that small, so that the memory budget measures what the targets hold.
// Shorter allocation stacks make each input cheaper.
extern "C" const char* __asan_default_options()
{
    return "quarantine_size_mb=16:malloc_context_size=8";
}

namespace FuzzSupport {

namespace {

constexpr long MemoryBudgetMiB = 256;

long residentMiB()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').first().toLong() / 1024;
    }
    return -1;
}

} // namespace

bool waitUntil(const std::function<bool()>& done, int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!done()) {
        if (deadline.hasExpired())
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    return true;
}

void checkMemory()
{
    static const long baseline = residentMiB();
    const long resident = residentMiB();
    if (resident > baseline + MemoryBudgetMiB)
        fail(QStringLiteral("resident memory grew from %1 MiB to %2 MiB").arg(baseline).arg(resident));
}

void fail(const QString& invariant)
{
    std::fprintf(stderr, "==fuzz== invariant broken: %s\n", qPrintable(invariant));
    std::fflush(stderr);
    std::abort();
}

} // namespace FuzzSupport
