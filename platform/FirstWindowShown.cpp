// SPDX-License-Identifier: GPL-3.0-or-later
#include "FirstWindowShown.h"

#include <QGuiApplication>
#include <QWindow>

#include <algorithm>

FirstWindowShown::FirstWindowShown(std::function<void()> action)
    : m_action(std::move(action))
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        m_action();
        return;
    }
    const QWindowList windows = QGuiApplication::topLevelWindows();
    if (std::any_of(windows.begin(), windows.end(), [](const QWindow* window) { return window->isExposed(); }))
        runAfterPainting();
    else
        QCoreApplication::instance()->installEventFilter(this);
}

bool FirstWindowShown::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && watched->isWindowType() && static_cast<QWindow*>(watched)->isExposed()) {
        QCoreApplication::instance()->removeEventFilter(this);
        runAfterPainting();
    }
    return false;
}

// A window paints its first frame while it handles its expose event; what is
// queued now comes after that frame.
void FirstWindowShown::runAfterPainting()
{
    QMetaObject::invokeMethod(this, m_action, Qt::QueuedConnection);
}
