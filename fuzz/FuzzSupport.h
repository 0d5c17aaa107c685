// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <functional>

// What the fuzz targets share: bounded waits, a memory budget, and how a
// broken invariant is reported. On Qt Core only; the targets that drive
// windows start their application with FuzzApplication.h.
namespace FuzzSupport {

// Runs the event loop until done() holds; false when the time is up first.
bool waitUntil(const std::function<bool()>& done, int milliseconds = 20000);

// Fails once resident memory has grown by more than the budget since the
// end of the first input, when the windows have everything they keep.
void checkMemory();

// Prints the broken invariant and aborts, so that libFuzzer keeps the input.
[[noreturn]] void fail(const QString& invariant);

} // namespace FuzzSupport
