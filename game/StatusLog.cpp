#include "StatusLog.h"

#include <QScrollBar>
#include <QTextBlock>

StatusLog::StatusLog(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setReadOnly(true);
    setMaximumBlockCount(MaxLines);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void StatusLog::append(const QString& line)
{
    appendPlainText(line);
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

void StatusLog::replace(const QString& text)
{
    setPlainText(text);
}

QStringList StatusLog::lines() const
{
    QStringList result;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next())
        result << block.text();
    return result;
}
