// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QGroupBox>
#include <QPalette>

// A frame filled with one of the theme's surface colours, Window or Button,
// its caption and the labels on it written in the text colour the theme pairs
// with that surface (WindowText, ButtonText). It follows the theme when the
// application's palette changes.
class ThemedFrame : public QGroupBox {
    Q_OBJECT
public:
    ThemedFrame(QPalette::ColorRole surface, QWidget* parent);

    QPalette::ColorRole surface() const { return m_surface; }
    QPalette::ColorRole surfaceText() const;

protected:
    void changeEvent(QEvent* event) override;

private:
    void followTheme();

    QPalette::ColorRole m_surface;
};
