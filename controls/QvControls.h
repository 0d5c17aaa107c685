// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QWidget>

// The component that a host window places on itself. It holds no data: the
// message box and the chat window belong to the library, one of each per
// process, and every component instance drives the same two. Hosts call the
// operations by name with text arguments and ignore their results.
class QvControls : public QWidget {
    Q_OBJECT
public:
    explicit QvControls(QWidget* parent = nullptr);

    // Non Modal Message Box: shows Message captioned Title, by default
    // "Message", and returns at once.
    Q_INVOKABLE void MsgBox(const QString& Message);
    Q_INVOKABLE void MsgBox(const QString& Message, const QString& Title);
    // Opens a Chat Window towards RemoteIP, on the port RemotePort (decimal text).
    Q_INVOKABLE void OpenChat(const QString& RemoteIP, const QString& RemotePort);
    Q_INVOKABLE void CloseChat();
};
