// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// Window layouts are given in twips; at 96 dots per inch a pixel is 15 twips.
// Qt's high-DPI scaling takes care of larger screens.
namespace Twips {

constexpr int PerPixel = 15;

constexpr int toPixels(int twips)
{
    return twips / PerPixel;
}

inline QSize size(int width, int height)
{
    return QSize(toPixels(width), toPixels(height));
}

inline QRect rect(int left, int top, int width, int height)
{
    return QRect(toPixels(left), toPixels(top), toPixels(width), toPixels(height));
}

} // namespace Twips
