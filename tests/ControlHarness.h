// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Meets the control library the way the game does: the plugin file beside
// the program, found by its metadata and called by name, never linked.
namespace ControlHarness {

// A new component on parent, or nullptr with the reason in failure.
QWidget* createComponent(QWidget* parent, QString* failure);

// The library's top-level windows with this objectName that are on screen.
QList<QWidget*> shownWindows(const QString& objectName);

// The chat window that component drives, when it is on screen.
QWidget* shownChat(const QWidget* component);

// The lines of one of the chat window's text areas; none without a window.
QStringList areaLines(const QWidget* chat, const char* area);

} // namespace ControlHarness
