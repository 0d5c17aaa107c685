// SPDX-License-Identifier: GPL-3.0-or-later
#include "Pictures.h"

#include <QPainter>
#include <QPainterPath>

namespace Pictures {
namespace {

// A grey warship on a blue sea, drawn into a rectangle of any size.
void drawShip(QPainter& painter, const QRectF& area, bool withSky)
{
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal w = area.width();
    const qreal h = area.height();
    auto at = [&](qreal x, qreal y) { return QPointF(area.left() + x * w, area.top() + y * h); };

    if (withSky) {
        QLinearGradient sky(at(0, 0), at(0, 0.62));
        sky.setColorAt(0, QColor(150, 200, 240));
        sky.setColorAt(1, QColor(220, 236, 250));
        painter.fillRect(QRectF(at(0, 0), at(1, 0.62)), sky);
    }
    QLinearGradient sea(at(0, 0.6), at(0, 1));
    sea.setColorAt(0, QColor(30, 90, 170));
    sea.setColorAt(1, QColor(10, 40, 100));
    painter.fillRect(QRectF(at(0, 0.6), at(1, 1)), sea);

    QPainterPath hull;
    hull.moveTo(at(0.04, 0.52));
    hull.lineTo(at(0.96, 0.52));
    hull.lineTo(at(0.84, 0.74));
    hull.lineTo(at(0.14, 0.74));
    hull.closeSubpath();
    painter.setPen(QPen(QColor(40, 40, 48), qMax<qreal>(1.0, w / 60)));
    painter.setBrush(QColor(120, 124, 134));
    painter.drawPath(hull);

    painter.setBrush(QColor(160, 164, 172));
    painter.drawRect(QRectF(at(0.36, 0.34), at(0.62, 0.52)));
    painter.drawRect(QRectF(at(0.44, 0.2), at(0.56, 0.34)));
    painter.setBrush(QColor(70, 70, 78));
    painter.drawRect(QRectF(at(0.49, 0.04), at(0.51, 0.2)));
    painter.setPen(QPen(QColor(40, 40, 48), qMax<qreal>(1.0, w / 40)));
    painter.drawLine(at(0.2, 0.47), at(0.34, 0.42));
    painter.drawLine(at(0.66, 0.42), at(0.8, 0.47));

    painter.setPen(QPen(QColor(230, 240, 255), qMax<qreal>(1.0, w / 75)));
    painter.drawLine(at(0.08, 0.8), at(0.3, 0.8));
    painter.drawLine(at(0.55, 0.88), at(0.9, 0.88));
}

} // namespace

QIcon windowIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        QPainterPath round;
        round.addRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
        painter.setClipPath(round);
        drawShip(painter, QRectF(0, 0, size, size), true);
        icon.addPixmap(pixmap);
    }
    return icon;
}

QPixmap ship()
{
    QPixmap pixmap(75, 60);
    pixmap.fill(Qt::white);
    QPainter painter(&pixmap);
    drawShip(painter, QRectF(0, 0, 75, 60), true);
    return pixmap;
}

// Two chevrons pointing right: more menus than the bar can show.
QIcon overflowArrow(const QColor& colour)
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(colour, 1.5));
    for (const qreal left : {4.0, 8.5}) {
        const QPointF chevron[] = {{left, 4.5}, {left + 3.5, 8}, {left, 11.5}};
        painter.drawPolyline(chevron, 3);
    }
    return QIcon(pixmap);
}

} // namespace Pictures
