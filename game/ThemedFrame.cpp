// SPDX-License-Identifier: GPL-3.0-or-later
#include "ThemedFrame.h"

#include <QEvent>

ThemedFrame::ThemedFrame(QPalette::ColorRole surface, QWidget* parent)
    : QGroupBox(parent)
    , m_surface(surface)
{
    setAutoFillBackground(true);
    followTheme();
}

QPalette::ColorRole ThemedFrame::surfaceText() const
{
    return m_surface == QPalette::Button ? QPalette::ButtonText : QPalette::WindowText;
}

void ThemedFrame::changeEvent(QEvent* event)
{
    QGroupBox::changeEvent(event);
    if (event->type() == QEvent::PaletteChange)
        followTheme();
}

// The frame paints its fill from Window and the style writes its caption in
// WindowText, so those two take the chosen pair; every other role, and so the
// surface pair itself, is still inherited from the theme, and a change there
// arrives here as a palette change.
void ThemedFrame::followTheme()
{
    QPalette own = palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        own.setColor(group, QPalette::Window, own.color(group, m_surface));
        own.setColor(group, QPalette::WindowText, own.color(group, surfaceText()));
    }
    if (own != palette())
        setPalette(own);
}
