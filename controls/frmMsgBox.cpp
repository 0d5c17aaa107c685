// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmMsgBox.h"

#include "Twips.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>

frmMsgBox::frmMsgBox()
    : QDialog(nullptr, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                           | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint)
    , lblMessage(new QLabel(this))
    , butOk(new QPushButton(tr("Ok"), this))
{
    setObjectName(QStringLiteral("frmMsgBox"));
    setWindowTitle(tr("Message"));
    setAttribute(Qt::WA_DeleteOnClose);
    // A notice left on screen must not keep the host program alive.
    setAttribute(Qt::WA_QuitOnClose, false);

    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setGeometry(Twips::rect(150, 150, 3495, 570));
    // The label never grows: long text wraps at word boundaries and whatever
    // falls below its height is cut off.
    lblMessage->setTextFormat(Qt::PlainText);
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    butOk->setObjectName(QStringLiteral("butOk"));
    butOk->setGeometry(Twips::rect(1125, 825, 1665, 315));
    butOk->setDefault(true);
    connect(butOk, &QPushButton::clicked, this, &frmMsgBox::butOk_Click);

    const QSize client(Twips::toPixels(3795), Twips::toPixels(1170));
    const QScreen* screen = QGuiApplication::primaryScreen();
    setGeometry(screen ? QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, client,
                                             screen->availableGeometry())
                       : QRect(QPoint(0, 0), client));
}

void frmMsgBox::butOk_Click()
{
    close();
}

// Ok, Enter and the close box dismiss the box; Escape does not.
void frmMsgBox::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier)
        return;
    QDialog::keyPressEvent(event);
}
