// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Sea.h"

#include <QPushButton>

// A square of one of the seas. Its colour is the square's state: the exact
// 24-bit value in blue-green-red order (0xBBGGRR) is stored on the button and
// read back unchanged; the caption carries the shot mark.
//
// A tile placed on a sea says to assistive technology which sea and square it
// is and what it shows, worked out from its colour and caption whenever it is
// asked; a tile on no sea is a sample picture of a square.
class TileButton : public QPushButton {
    Q_OBJECT
public:
    static constexpr quint32 Blue = 0xFF0000;
    static constexpr quint32 Yellow = 0x00FFFF;
    static constexpr quint32 Red = 0x0000FF;
    static constexpr quint32 White = 0xFFFFFF;

    explicit TileButton(QWidget* parent = nullptr);

    // The colour that shows a square's state, and the tile showing a square.
    static quint32 colorOf(Square square);
    void showSquare(Square square, bool marked);

    void setColor(quint32 bgr);
    quint32 color() const { return m_bgr; }

    // Puts the tile on a sea ("Home Sea") as square `index` (0 = A1, 99 = J10).
    void placeOnSea(const QString& sea, int index);
    QString sea() const { return m_sea; }
    int index() const { return m_index; }

    // "A1" .. "J10".
    static QString squareName(int index);
    // What a square shows, in one or two words: "water", "ship", "hit",
    // "miss" or "not fired at".
    QString shows() const;

    static QColor toQColor(quint32 bgr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    quint32 m_bgr = White;
    QString m_sea;
    int m_index = -1;
};
