// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPointer>

// A window of which one instance exists at a time: showing it builds it when
// there is none (a closed one destroys itself) and otherwise brings the open
// one forward.
template <typename Window, typename Build>
Window* showSingleWindow(QPointer<Window>& instance, Build build)
{
    if (!instance)
        instance = build();
    instance->show();
    instance->raise();
    instance->activateWindow();
    return instance;
}
