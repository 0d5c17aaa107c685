// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A QApplication on the offscreen platform, created once for the run, for
// the fuzz targets that drive windows.
namespace FuzzApplication {

void start();

} // namespace FuzzApplication
