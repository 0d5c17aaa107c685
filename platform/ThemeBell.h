// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The bell of the desktop's sound theme, for displays that have no bell of
// their own (Wayland). It plays from a sound thread of its own, beside the
// game's cues and never cutting one. A bell rung while one still sounds is
// not rung again, so a peer that makes the game beep a hundred thousand times
// hears bells one after the other, and costs neither memory nor the window's
// time. Without the sound library, a sound server or the theme's sound it is
// silent, and says nothing.

namespace ThemeBell {

void ring();

} // namespace ThemeBell
