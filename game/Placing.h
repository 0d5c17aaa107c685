// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLatin1String>
#include <QPushButton>
#include <QRect>

// Puts a control on a window as designed: its documented name and place.
template <typename Control>
Control* place(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* control = new Control(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(geometry);
    return control;
}

inline QPushButton* button(QWidget* parent, const char* name, const QString& caption, const QRect& geometry)
{
    auto* control = place<QPushButton>(parent, name, geometry);
    control->setText(caption);
    return control;
}
