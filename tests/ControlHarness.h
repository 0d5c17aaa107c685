#pragma once

#include <QJsonObject>
#include <QString>

class QWidget;

// Meets the control library the way the game does: the plugin file beside
// the program, found by its metadata and called by name, never linked.
namespace ControlHarness {

QString libraryPath();

// The plugin's own metadata (the "MetaData" object of its JSON).
QJsonObject metaData();

// A new component on parent, or nullptr with the reason in failure.
QWidget* createComponent(QWidget* parent, QString* failure);

// The library's top-level windows with this objectName that are on screen.
QList<QWidget*> shownWindows(const QString& objectName);

} // namespace ControlHarness
