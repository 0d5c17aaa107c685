// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Winsock.h"

#include <QDialog>
#include <QString>

class QLineEdit;
class QPlainTextEdit;
class QPushButton;

// The chat window: two read-only areas, a line to type in and its own
// datagram socket. Both ends bind the chat port and send each message as
// one datagram to the peer at that same port: a greeting (the local
// identity) on load and whenever a line is sent while the socket is not
// open, each typed line, and a leave notice on unload and after an error.
class frmChat : public QDialog {
    Q_OBJECT
public:
    explicit frmChat(QWidget* owner);
    ~frmChat() override;

    // Set before Form_Load; later changes take effect only at the next load.
    QString RemoteIP;
    QString RemotePort;

    QPlainTextEdit* editRemoteMsgArea;
    QPlainTextEdit* editLocalMsgArea;
    QLineEdit* editSend;
    QPushButton* butSend;
    Winsock* Winsock1;

    // Sets up the socket from RemoteIP and RemotePort and greets the peer.
    void Form_Load();
    bool isLoaded() const { return m_loaded; }

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void butSend_Click();
    void Winsock1_DataArrival(long bytesTotal);
    void Winsock1_Error(int Number, const QString& Description);
    void Form_Unload();

    SocketResult send(const QString& latin1Text);
    SocketResult sendGreeting();
    SocketResult sendLeaveNotice();
    // Reports a failed result through the error handler; true when it succeeded.
    bool reported(const SocketResult& result);
    void reportWhenIdle(const SocketResult& failure);
    static void appendTo(QPlainTextEdit* area, const QString& text);

    bool m_loaded = false;
    bool m_portValid = false;
};
