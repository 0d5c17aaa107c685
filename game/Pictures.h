#pragma once

#include <QIcon>
#include <QPixmap>

// The game's own pictures, drawn in code so that they stay sharp and need no
// files: the window icon and the 75 by 60 ship picture.
namespace Pictures {

QIcon windowIcon();
QPixmap ship();

} // namespace Pictures
