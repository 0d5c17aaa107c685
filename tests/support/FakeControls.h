// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>
#include <QWidget>

// Stands in for the control library's component: answers the operations the
// game calls by name and writes each call into a journal, e.g.
// "MsgBox You Win!" or "OpenChat 127.0.0.1 6432".
class FakeControls : public QWidget {
    Q_OBJECT
public:
    explicit FakeControls(QStringList* journal, QWidget* parent = nullptr) : QWidget(parent), m_journal(journal) { hide(); }

    Q_INVOKABLE void MsgBox(const QString& Message) { *m_journal << QStringLiteral("MsgBox ") + Message; }
    Q_INVOKABLE void OpenChat(const QString& RemoteIP, const QString& RemotePort)
    {
        *m_journal << QStringLiteral("OpenChat %1 %2").arg(RemoteIP, RemotePort);
    }
    Q_INVOKABLE void CloseChat() { *m_journal << QStringLiteral("CloseChat"); }

private:
    QStringList* m_journal;
};
