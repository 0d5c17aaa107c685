// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "PlatformExport.h"

#include <QString>

class QWidget;

// The runtime services that every window stands on: the modal message box,
// the beep, random numbers, printing a window and the application's title
// and version. The message box, the beep and the random numbers go through a
// replaceable backend so that tests can answer message boxes and fix random
// draws; printing goes to whatever the system's default printer is.
namespace Toolkit {

enum Buttons : int { vbOKOnly = 0, vbOKCancel = 1, vbYesNo = 4 };
enum Answer : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// Shows a modal message box and returns the button pressed. Without a title
// the box carries the application title. Socket events that arrive while it
// is open are held until it has closed.
PLATFORM_EXPORT int MsgBox(const QString& prompt, int buttons = vbOKOnly,
                           const QString& title = QString());
// Rings the display's bell; where the display has none (Wayland), plays the
// desktop sound theme's bell. Options > Sound has no say: the bell is the
// system's, not one of the game's sounds.
PLATFORM_EXPORT void Beep();

// Seeds the generator from the system clock.
PLATFORM_EXPORT void Randomize();
// A single-precision value, uniform in [0, 1).
PLATFORM_EXPORT float Rnd();

// Prints an image of the window, as it is shown, on the default printer,
// with no dialog and no message. Returns false, having printed nothing, when
// there is no printer or the job could not be handed to it.
PLATFORM_EXPORT bool PrintWindow(QWidget* window);

PLATFORM_EXPORT QString AppTitle();
PLATFORM_EXPORT int AppMajor();
PLATFORM_EXPORT int AppMinor();
PLATFORM_EXPORT int AppRevision();

class PLATFORM_EXPORT Backend {
public:
    virtual ~Backend() = default;
    virtual int messageBox(const QString& prompt, int buttons, const QString& title) = 0;
    virtual void beep() = 0;
    virtual void randomize() = 0;
    virtual float random() = 0;
};

// Replaces the backend for the whole process; nullptr restores the real one.
// The caller keeps ownership.
PLATFORM_EXPORT void setBackend(Backend* backend);

} // namespace Toolkit
