// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>

// The windows were laid out for a small, narrow face; a condensed sans of
// the same pixel size keeps every caption and text inside its control.
inline QFont designFont()
{
    QFont font(QStringLiteral("DejaVu Sans Condensed"));
    font.setPixelSize(11);
    return font;
}
