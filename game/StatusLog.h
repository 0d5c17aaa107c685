// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPlainTextEdit>
#include <QElapsedTimer>
#include <QStringList>

// The status log: a read-only text box in which each message is a new last
// line, and the view and the caret follow the newest. A peer can make the
// game log without end, so only the newest lines are kept, and appending a
// message only stores it: what arrives in one pass of the event loop is
// added to the text at once, after the pass, and while a peer floods the log
// the text takes what came at most every FloodGap milliseconds. Lines are selected and copied
// with the mouse, the keyboard or the context menu; a screen reader reads the
// text and hears what is added, as in any of Qt's text boxes.
class StatusLog : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int MaxLines = 10000;
    // Long enough that a flood's lines are added in a few large batches, of
    // which all but the newest MaxLines are never laid out; short enough that
    // the eye and a screen reader take the line as immediate.
    static constexpr int FloodGap = 40;

    explicit StatusLog(QWidget* parent = nullptr);

    // A line break inside a message starts a new line, as in any text box.
    void append(const QString& message);
    // The whole text becomes text, at once.
    void replace(const QString& text);
    // The lines shown, or to be shown after this pass.
    QStringList lines() const;
    QString lastLine() const;

private:
    void addWaiting();
    void dropOldest();

    QStringList m_waiting;
    bool m_addScheduled = false;
    QElapsedTimer m_sinceAdd;
};
