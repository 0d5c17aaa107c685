// SPDX-License-Identifier: GPL-3.0-or-later
#include "MenuShortcuts.h"

#include <QAction>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace {

class MenuShortcutFilter final : public QObject {
public:
    explicit MenuShortcutFilter(QWidget* window)
        : QObject(window)
        , m_window(window)
    {
    }

protected:
    // A control claims a key for itself by accepting ShortcutOverride; for
    // the keys of the window's menu items the claim is refused.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::ShortcutOverride)
            return QObject::eventFilter(watched, event);
        const QKeySequence pressed(static_cast<QKeyEvent*>(event)->keyCombination());
        for (const QMenu* menu : m_window->findChildren<QMenu*>()) {
            for (const QAction* item : menu->actions()) {
                for (const QKeySequence& key : item->shortcuts()) {
                    if (key.matches(pressed) == QKeySequence::ExactMatch) {
                        event->ignore();
                        return true;
                    }
                }
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QWidget* m_window;
};

} // namespace

void giveMenuShortcutsPrecedence(QWidget* window)
{
    auto* filter = new MenuShortcutFilter(window);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        if (!qobject_cast<QMenu*>(control))
            control->installEventFilter(filter);
    }
}
