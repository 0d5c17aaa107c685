// SPDX-License-Identifier: GPL-3.0-or-later
#include "PictureBox.h"

#include <QMouseEvent>

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        emit clicked();
    QLabel::mouseReleaseEvent(event);
}
