#pragma once

class QAccessibleInterface;
class QObject;
class QString;

// What a screen reader finds in the status log: a read-only, multi-line text
// whose value is the lines it holds.
QAccessibleInterface* statusLogAccessible(const QString& className, QObject* object);
