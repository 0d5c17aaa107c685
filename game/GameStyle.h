// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The application's style: the platform's own, except for two pictures that
// it reads from image files and that are drawn here in code instead: the
// frame of a group box and the arrow of the menu bar's overflow button. Reading
// any image file loads every image format plugin there is, which the window
// does not need in order to appear.
class GameStyle : public QProxyStyle {
    Q_OBJECT
public:
    void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override;
    QIcon standardIcon(StandardPixmap icon, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};
