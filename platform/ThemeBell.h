#pragma once

// The bell of the desktop's sound theme, for displays that have no bell of
// their own (Wayland). It plays from a sound thread of its own, as the game's
// cues play from theirs: one bell for all those rung in one pass of the event
// loop, up to four bells at once, a fifth cutting the oldest. So a peer that
// makes the game beep a hundred thousand times costs neither memory nor the
// window's time, and never cuts a cue of the game. Without the sound library,
// a sound server or the theme's sound it is silent, and says nothing.
namespace ThemeBell {

void ring();

} // namespace ThemeBell
