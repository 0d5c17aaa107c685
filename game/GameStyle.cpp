// SPDX-License-Identifier: GPL-3.0-or-later
#include "GameStyle.h"

#include "Pictures.h"

#include <QGroupBox>
#include <QPainter>
#include <QStyleOption>

namespace {

// The room above the frame's line, as the platform style leaves it.
constexpr int FrameTopMargin = 3;

} // namespace

// The line and shading of the platform style's group box frame, without its
// image: a faint grey line one pixel inside the frame, a fainter one inside
// it, and a barely darker inside.
void GameStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                              const QWidget* widget) const
{
    if (element != PE_FrameGroupBox) {
        QProxyStyle::drawPrimitive(element, option, painter, widget);
        return;
    }
    const auto* box = qobject_cast<const QGroupBox*>(widget);
    const bool titled = !box || box->isCheckable() || !box->title().isEmpty();
    const int top = titled ? qMax(pixelMetric(PM_ExclusiveIndicatorHeight), option->fontMetrics.height()) + FrameTopMargin
                           : FrameTopMargin;
    const QRect frame = option->rect.adjusted(0, top, 0, 0);
    painter->save();
    painter->fillRect(frame.adjusted(2, 2, -1, -1), QColor(0, 0, 0, 3));
    painter->setBrush(Qt::NoBrush);
    painter->setPen(QColor(0, 0, 0, 4));
    painter->drawRect(frame.adjusted(2, 2, -2, -2));
    painter->setPen(QColor(0x75, 0x75, 0x75, 0x32));
    painter->drawRect(frame.adjusted(1, 1, -1, -1));
    painter->restore();
}

QIcon GameStyle::standardIcon(StandardPixmap icon, const QStyleOption* option, const QWidget* widget) const
{
    if (icon == SP_ToolBarHorizontalExtensionButton)
        return Pictures::overflowArrow(widget ? widget->palette().color(QPalette::ButtonText) : Qt::black);
    return QProxyStyle::standardIcon(icon, option, widget);
}
