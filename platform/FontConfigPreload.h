// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformExport.h"

#include <thread>

// Reads the system's font configuration and font caches on a second core
// while the toolkit connects to the display, rather than when the window
// measures its first caption. Make it before the application object and call
// finish() before the first widget: a caller that reached the configuration
// earlier would load it a second time instead of waiting.
class PLATFORM_EXPORT FontConfigPreload {
public:
    FontConfigPreload();
    ~FontConfigPreload();
    FontConfigPreload(const FontConfigPreload&) = delete;
    FontConfigPreload& operator=(const FontConfigPreload&) = delete;

    void finish();

private:
    std::thread m_loader;
};
