// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class QWidget;

// Finds the QvControls library at run time and creates its component. The
// game knows the component only by the names of its operations, so the
// library can be replaced or be missing without a rebuild of the game.
namespace ControlLibrary {

inline constexpr char ProgID[] = "QuorvaneControls.QvControls";
inline constexpr char FileName[] = "libqvcontrols.so";

// Beside the program: in the build tree as in the install, where the program
// shares its folder with its private libraries.
QStringList defaultFolders();

struct Loaded {
    QWidget* component = nullptr;  // null when the library could not be used
    QString failure;               // why, naming the file looked for
};

Loaded create(const QStringList& folders, QWidget* parent);

// Calls an operation of the component by name with text arguments and
// ignores its result. False when the call could not be made.
bool call(QWidget* component, const char* operation, const QStringList& arguments = {});

} // namespace ControlLibrary
