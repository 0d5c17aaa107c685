// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

// The game's own pictures, drawn in code so that they stay sharp and need no
// files: the window icon, the 75 by 60 ship picture and the menu bar's
// overflow arrow.
namespace Pictures {

QIcon windowIcon();
QPixmap ship();
QIcon overflowArrow(const QColor& colour);

} // namespace Pictures
