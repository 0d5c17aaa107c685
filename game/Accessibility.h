// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the game's own widgets present themselves to assistive technology:
// a tile on a sea is a button named after its sea, its square and what it
// shows ("Enemy Sea, B7, hit"), a sample tile is a picture, and the help
// window is a window. Installing is needed once per process; later calls do
// nothing.
namespace Accessibility {

void install();

} // namespace Accessibility
