// SPDX-License-Identifier: GPL-3.0-or-later
#include "TileButton.h"

#include "Accessibility.h"

#include <QAccessible>
#include <QKeyEvent>
#include <QPainter>

TileButton::TileButton(QWidget* parent)
    : QPushButton(parent)
{
    Accessibility::install();
    // A sea makes one of its tiles a tab stop at a time (SeaFocus).
    setFocusPolicy(Qt::NoFocus);
}

QColor TileButton::toQColor(quint32 bgr)
{
    return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF);
}

quint32 TileButton::colorOf(Square square)
{
    switch (square) {
    case Square::Unknown:
        return White;
    case Square::Water:
        return Blue;
    case Square::Ship:
        return Yellow;
    case Square::Hit:
        return Red;
    }
    return White;
}

void TileButton::showSquare(Square square, bool marked)
{
    setColor(colorOf(square));
    setText(marked ? QStringLiteral("X") : QString());
}

void TileButton::setColor(quint32 bgr)
{
    if (bgr == m_bgr)
        return;
    m_bgr = bgr;
    update();
    // The caption's own setter announces its changes; the colour is ours.
    QAccessibleEvent changed(this, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&changed);
}

void TileButton::placeOnSea(const QString& sea, int index)
{
    m_sea = sea;
    m_index = index;
}

QString TileButton::squareName(int index)
{
    return QChar(u'A' + index % 10) + QString::number(index / 10 + 1);
}

QString TileButton::shows() const
{
    switch (m_bgr) {
    case White:
        return tr("not fired at");
    case Yellow:
        return tr("ship");
    case Red:
        return tr("hit");
    case Blue:
        return text().isEmpty() ? tr("water") : tr("miss");
    default:
        return toQColor(m_bgr).name();
    }
}

// A flat square with a one-pixel raised edge, sunken while pressed, so the
// colour reads as exactly the state it stands for. The focused square gets a
// black ring lined with white, which stands out on every square colour and
// leaves the centre showing the state.
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
    if (hasFocus()) {
        painter.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
        painter.drawRect(QRectF(area).adjusted(1, 1, -1, -1));
        painter.setPen(Qt::white);
        painter.drawRect(area.adjusted(2, 2, -3, -3));
    }
    if (!text().isEmpty()) {
        painter.setPen(m_bgr == Blue || m_bgr == Red ? Qt::white : Qt::black);
        painter.drawText(area, Qt::AlignCenter, text());
    }
}

// Enter clicks the focused square as Space does; a held key fires once.
void TileButton::keyPressEvent(QKeyEvent* event)
{
    if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        if (!event->isAutoRepeat())
            click();
        return;
    }
    QPushButton::keyPressEvent(event);
}
