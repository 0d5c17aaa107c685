// SPDX-License-Identifier: GPL-3.0-or-later
#include "QvControlsPlugin.h"

#include "QvControls.h"

QWidget* QvControlsPlugin::createComponent(QWidget* parent)
{
    return new QvControls(parent);
}
