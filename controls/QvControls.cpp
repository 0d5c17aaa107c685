// SPDX-License-Identifier: GPL-3.0-or-later
#include "QvControls.h"

#include "Twips.h"
#include "frmChat.h"
#include "frmMsgBox.h"

#include <QLabel>
#include <QPointer>

namespace {

// The library-wide references to its two windows. The chat's texts outlive
// the window: an OpenChat while the window is open only stores them, and
// they take effect the next time it opens.
struct LibraryWindows {
    QPointer<frmMsgBox> msgBox;
    QPointer<frmChat> chat;
    QString chatRemoteIP;
    QString chatRemotePort;
};

LibraryWindows& windows()
{
    static LibraryWindows library;
    return library;
}

} // namespace

QvControls::QvControls(QWidget* parent)
    : QWidget(parent)
{
    resize(Twips::toPixels(1065), Twips::toPixels(570));
}

void QvControls::MsgBox(const QString& Message)
{
    MsgBox(Message, tr("Message"));
}

void QvControls::MsgBox(const QString& Message, const QString& Title)
{
    QPointer<frmMsgBox>& box = windows().msgBox;
    // A dismissed box is gone for good; the next notice gets a fresh one at
    // the centred start position.
    if (!box || !box->isVisible())
        box = new frmMsgBox;
    box->lblMessage->setText(Message);
    box->setWindowTitle(Title);
    box->show();
    box->raise();
    box->activateWindow();
}

void QvControls::OpenChat(const QString& RemoteIP, const QString& RemotePort)
{
    LibraryWindows& library = windows();
    library.chatRemoteIP = RemoteIP;
    library.chatRemotePort = RemotePort;
    if (!library.chat || !library.chat->isLoaded()) {
        // Owned by the component so that it stays in front of the host window.
        library.chat = new frmChat(this);
        library.chat->RemoteIP = library.chatRemoteIP;
        library.chat->RemotePort = library.chatRemotePort;
        library.chat->Form_Load();
    }
    library.chat->show();
    library.chat->raise();
    library.chat->activateWindow();
}

void QvControls::CloseChat()
{
    frmChat* chat = windows().chat;
    if (chat && chat->isLoaded())
        chat->close();
}
