// SPDX-License-Identifier: GPL-3.0-or-later
#include "SeaFocus.h"

#include "TileButton.h"

#include <QKeyEvent>

#include <algorithm>

SeaFocus::SeaFocus(const std::array<TileButton*, 100>& tiles, QWidget* after, QObject* parent)
    : QObject(parent)
    , m_tiles(tiles)
{
    // The tab order only takes widgets that accept the focus (`after` may be
    // the last tile of another sea); once the sea's tiles stand together in
    // it, only the stop keeps accepting it.
    const Qt::FocusPolicy afterPolicy = after->focusPolicy();
    after->setFocusPolicy(Qt::TabFocus);
    QWidget* previous = after;
    for (int index = 0; index < 100; ++index) {
        TileButton* tile = m_tiles[index];
        tile->setFocusPolicy(Qt::TabFocus);
        QWidget::setTabOrder(previous, tile);
        previous = tile;
        tile->installEventFilter(this);
        connect(tile, &TileButton::clicked, this, [this, index] { moveStop(index); });
    }
    after->setFocusPolicy(afterPolicy);
    for (TileButton* tile : m_tiles)
        tile->setFocusPolicy(tile == stop() ? Qt::TabFocus : Qt::NoFocus);
}

bool SeaFocus::eventFilter(QObject* watched, QEvent* event)
{
    // Focus given to another square (by assistive technology, say) takes
    // the stop with it.
    if (event->type() == QEvent::FocusIn && watched != stop()) {
        moveStop(int(std::find(m_tiles.begin(), m_tiles.end(), watched) - m_tiles.begin()));
        return false;
    }
    if (event->type() != QEvent::KeyPress || watched != stop())
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if ((key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
        return false;
    const int column = m_stop % 10;
    const int row = m_stop / 10;
    switch (key->key()) {
    case Qt::Key_Left:
        moveStop(column > 0 ? m_stop - 1 : m_stop);
        return true;
    case Qt::Key_Right:
        moveStop(column < 9 ? m_stop + 1 : m_stop);
        return true;
    case Qt::Key_Up:
        moveStop(row > 0 ? m_stop - 10 : m_stop);
        return true;
    case Qt::Key_Down:
        moveStop(row < 9 ? m_stop + 10 : m_stop);
        return true;
    default:
        return false;
    }
}

void SeaFocus::moveStop(int index)
{
    if (index == m_stop)
        return;
    TileButton* from = stop();
    TileButton* to = m_tiles[index];
    const bool focused = from->window()->focusWidget() == from;
    m_stop = index;
    to->setFocusPolicy(Qt::TabFocus);
    if (focused)
        to->setFocus(Qt::OtherFocusReason);
    from->setFocusPolicy(Qt::NoFocus);
}
