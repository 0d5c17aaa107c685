// SPDX-License-Identifier: GPL-3.0-or-later
#include "StatusLog.h"

#include <QRegularExpression>
#include <QScrollBar>
#include <QTextBlock>
#include <QTimer>

#include <algorithm>

namespace {

// The breaks that start a new line in the text box.
const QRegularExpression& lineBreak()
{
    static const QRegularExpression breaks(QStringLiteral("\r\n|[\r\n\u2028\u2029]"));
    return breaks;
}

} // namespace

StatusLog::StatusLog(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // The history would keep every line ever added.
    setUndoRedoEnabled(false);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
}

void StatusLog::append(const QString& message)
{
    m_waiting.append(message);
    if (m_waiting.size() > MaxLines)
        m_waiting.removeFirst();
    if (m_addScheduled)
        return;
    m_addScheduled = true;
    const qint64 sinceAdd = m_sinceAdd.isValid() ? m_sinceAdd.elapsed() : FloodGap;
    if (sinceAdd >= FloodGap)
        QMetaObject::invokeMethod(this, &StatusLog::addWaiting, Qt::QueuedConnection);
    else
        QTimer::singleShot(FloodGap - sinceAdd, this, &StatusLog::addWaiting);
}

// One insertion per batch: the text box lays out, scrolls and tells a screen
// reader what was inserted once, however many lines came.
void StatusLog::addWaiting()
{
    m_addScheduled = false;
    if (m_waiting.isEmpty())
        return;
    m_sinceAdd.start();
    appendPlainText(m_waiting.join(u'\n'));
    m_waiting.clear();
    dropOldest();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

// The text box's own limit on lines would drop the oldest by moving a cursor
// over them line by line, laying out each: a selection made by position costs
// only the layout of the first line kept.
void StatusLog::dropOldest()
{
    const int excess = document()->blockCount() - MaxLines;
    if (excess <= 0)
        return;
    QTextCursor oldest(document());
    oldest.setPosition(document()->findBlockByNumber(excess).position(), QTextCursor::KeepAnchor);
    oldest.removeSelectedText();
}

// The caret goes to the end, so that it moves on with every line added and a
// screen reader on the log speaks each new line.
void StatusLog::replace(const QString& text)
{
    m_waiting.clear();
    setPlainText(text);
    moveCursor(QTextCursor::End);
}

QStringList StatusLog::lines() const
{
    QString text = toPlainText();
    if (!m_waiting.isEmpty())
        text += (document()->isEmpty() ? QString() : QStringLiteral("\n")) + m_waiting.join(u'\n');
    const QStringList all = text.split(lineBreak());
    return all.mid(std::max<qsizetype>(0, all.size() - MaxLines));
}

QString StatusLog::lastLine() const
{
    const QString last = m_waiting.isEmpty() ? document()->lastBlock().text() : m_waiting.constLast();
    return last.section(lineBreak(), -1);
}
