#include "TileButton.h"

#include <QPainter>

TileButton::TileButton(QWidget* parent)
    : QPushButton(parent)
{
    setFocusPolicy(Qt::NoFocus);
}

QColor TileButton::toQColor(quint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

void TileButton::setColor(quint32 bgr)
{
    if (bgr == m_bgr)
        return;
    m_bgr = bgr;
    update();
}

// A flat square with a one-pixel raised edge, sunken while pressed, so the
// colour reads as exactly the state it stands for.
void TileButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QRect area = rect();
    painter.fillRect(area, toQColor(m_bgr));
    const QColor light = isDown() ? QColor(64, 64, 64) : QColor(255, 255, 255);
    const QColor dark = isDown() ? QColor(255, 255, 255) : QColor(64, 64, 64);
    painter.setPen(light);
    painter.drawLine(area.topLeft(), area.topRight());
    painter.drawLine(area.topLeft(), area.bottomLeft());
    painter.setPen(dark);
    painter.drawLine(area.bottomLeft(), area.bottomRight());
    painter.drawLine(area.topRight(), area.bottomRight());
    if (!text().isEmpty()) {
        painter.setPen(m_bgr == Blue || m_bgr == Red ? Qt::white : Qt::black);
        painter.drawText(area, Qt::AlignCenter, text());
    }
}
