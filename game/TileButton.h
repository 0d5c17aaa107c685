#pragma once

#include <QPushButton>

// A square of one of the seas. Its colour is the square's state: the exact
// 24-bit value in blue-green-red order (0xBBGGRR) is stored on the button and
// read back unchanged; the caption carries the shot mark.
class TileButton : public QPushButton {
    Q_OBJECT
public:
    static constexpr quint32 Blue = 0xFF0000;
    static constexpr quint32 Yellow = 0x00FFFF;
    static constexpr quint32 Red = 0x0000FF;
    static constexpr quint32 White = 0xFFFFFF;

    explicit TileButton(QWidget* parent = nullptr);

    void setColor(quint32 bgr);
    quint32 color() const { return m_bgr; }

    static QColor toQColor(quint32 bgr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    quint32 m_bgr = White;
};
