#pragma once

#include "PlatformExport.h"

#include <QString>

class QWidget;

// The runtime services that every window stands on: the modal message box,
// the beep, random numbers and the application's title and version. They go
// through a replaceable backend so that tests can answer message boxes and
// fix random draws.
namespace Toolkit {

enum Buttons : int { vbOKOnly = 0, vbOKCancel = 1, vbYesNo = 4 };
enum Answer : int { vbOK = 1, vbCancel = 2, vbYes = 6, vbNo = 7 };

// Shows a modal message box and returns the button pressed. Without a title
// the box carries the application title. Socket events that arrive while it
// is open are held until it has closed.
PLATFORM_EXPORT int MsgBox(const QString& prompt, int buttons = vbOKOnly,
                           const QString& title = QString());
PLATFORM_EXPORT void Beep();

// Seeds the generator from the system clock.
PLATFORM_EXPORT void Randomize();
// A single-precision value, uniform in [0, 1).
PLATFORM_EXPORT float Rnd();

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
