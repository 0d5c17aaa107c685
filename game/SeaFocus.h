// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

class QWidget;

#include <array>

class TileButton;

// Makes the hundred tiles of one sea a single stop in the tab order: one tile
// at a time takes the focus from the keyboard, the arrow keys move it to the
// neighbouring square (stopping at the edges), and Space or Enter clicks it.
// A click moves that stop to the clicked square; the focus follows it only
// when it was on the sea already, so the mouse never takes the focus away
// from another control.
class SeaFocus : public QObject {
    Q_OBJECT
public:
    // The sea comes right after `after` in the tab order.
    SeaFocus(const std::array<TileButton*, 100>& tiles, QWidget* after, QObject* parent);

    // The tile that holds the sea's tab stop.
    TileButton* stop() const { return m_tiles[m_stop]; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void moveStop(int index);

    std::array<TileButton*, 100> m_tiles;
    int m_stop = 0;
};
