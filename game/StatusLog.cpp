#include "StatusLog.h"

#include "Accessibility.h"

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QPainter>
#include <QScrollBar>
#include <QTextLayout>

namespace {

constexpr int Margin = 4;

bool breaksLine(QChar c)
{
    return c == u'\n' || c == u'\r' || c == QChar::ParagraphSeparator;
}

} // namespace

StatusLog::StatusLog(QWidget* parent)
    : QAbstractScrollArea(parent)
{
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    viewport()->setCursor(Qt::IBeamCursor);
    Accessibility::install();
}

StatusLog::~StatusLog() = default;

void StatusLog::store(const QString& line)
{
    m_lines.push_back(line);
    if (qsizetype(m_lines.size()) > MaxLines) {
        m_lines.pop_front();
        ++m_firstNumber;
    }
}

// A line break inside a message starts a new line, as in any text box.
void StatusLog::append(const QString& line)
{
    qsizetype start = 0;
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (!breaksLine(line[i]))
            continue;
        store(line.mid(start, i - start));
        if (line[i] == u'\r' && i + 1 < line.size() && line[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    store(start ? line.mid(start) : line);
    m_toNewest = true;
    scheduleScrollRange();
}

void StatusLog::replace(const QString& text)
{
    m_firstNumber += qint64(m_lines.size());
    m_lines.clear();
    m_anchor = m_cursor = -1;
    append(text);
    m_toNewest = false;
    verticalScrollBar()->setValue(0);
}

QStringList StatusLog::lines() const
{
    return QStringList(m_lines.begin(), m_lines.end());
}

void StatusLog::selectAll()
{
    if (m_lines.empty())
        return;
    m_anchor = m_firstNumber;
    m_cursor = m_firstNumber + qint64(m_lines.size()) - 1;
    viewport()->update();
}

bool StatusLog::hasSelection() const
{
    const qint64 last = m_firstNumber + qint64(m_lines.size()) - 1;
    return m_anchor >= 0 && std::max(m_anchor, m_cursor) >= m_firstNumber && std::min(m_anchor, m_cursor) <= last;
}

bool StatusLog::isSelected(qsizetype index) const
{
    const qint64 number = m_firstNumber + index;
    return m_anchor >= 0 && number >= std::min(m_anchor, m_cursor) && number <= std::max(m_anchor, m_cursor);
}

QString StatusLog::selectedText() const
{
    QStringList selected;
    for (qsizetype index = 0; index < qsizetype(m_lines.size()); ++index)
        if (isSelected(index))
            selected << m_lines[index];
    return selected.join(u'\n');
}

void StatusLog::copy() const
{
    if (hasSelection())
        QApplication::clipboard()->setText(selectedText());
}

// Many lines come in one pass of the event loop; the scroll bar follows them
// once, and not at all while the log cannot be seen. A screen reader hears of
// the newest line once per pass too.
void StatusLog::scheduleScrollRange()
{
    if (m_rangeScheduled)
        return;
    m_rangeScheduled = true;
    QMetaObject::invokeMethod(this, [this] {
        m_rangeScheduled = false;
        if (isVisible())
            updateScrollRange();
        if (QAccessible::isActive() && !m_lines.empty()) {
            QAccessibleValueChangeEvent changed(this, m_lines.back());
            QAccessible::updateAccessibility(&changed);
        }
    }, Qt::QueuedConnection);
}

// The scroll bar counts lines: its value is the line at the top of the view,
// and its end is the first of the last lines that fill the view.
void StatusLog::updateScrollRange()
{
    const int room = viewport()->height() - 2 * Margin;
    qreal filled = 0;
    qsizetype first = qsizetype(m_lines.size());
    while (first > 0 && filled < room) {
        qreal height = 0;
        layOut(--first, &height);
        filled += height;
    }
    m_fills = filled >= room;
    QScrollBar* bar = verticalScrollBar();
    const int end = m_fills ? int(first) : 0;
    bar->setRange(0, end);
    bar->setPageStep(std::max(1, int(m_lines.size()) - end - 1));
    if (m_toNewest)
        bar->setValue(end);
    m_toNewest = false;
    viewport()->update();
}

std::unique_ptr<QTextLayout> StatusLog::layOut(qsizetype index, qreal* height) const
{
    auto layout = std::make_unique<QTextLayout>(m_lines[index], font());
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout->setTextOption(option);
    const qreal width = std::max(1, viewport()->width() - 2 * Margin);
    qreal y = 0;
    layout->beginLayout();
    for (QTextLine line = layout->createLine(); line.isValid(); line = layout->createLine()) {
        line.setLineWidth(width);
        line.setPosition(QPointF(0, y));
        y += line.height();
    }
    layout->endLayout();
    *height = y > 0 ? y : fontMetrics().height();
    return layout;
}

void StatusLog::paintEvent(QPaintEvent*)
{
    QPainter painter(viewport());
    m_shown.clear();
    const int bottom = viewport()->height();
    const int right = viewport()->width();
    auto draw = [&](qsizetype index, QTextLayout& layout, int top, int height) {
        const bool selected = isSelected(index);
        if (selected)
            painter.fillRect(QRect(0, top, right, height), palette().brush(QPalette::Highlight));
        painter.setPen(palette().color(selected ? QPalette::HighlightedText : QPalette::Text));
        layout.draw(&painter, QPointF(Margin, top));
        m_shown.push_back({index, top, top + height});
    };

    const QScrollBar* bar = verticalScrollBar();
    if (m_fills && bar->value() >= bar->maximum()) {
        qreal y = bottom - Margin;
        for (qsizetype index = qsizetype(m_lines.size()) - 1; index >= 0 && y > 0; --index) {
            qreal height = 0;
            const auto layout = layOut(index, &height);
            y -= height;
            draw(index, *layout, qRound(y), qRound(height));
        }
        return;
    }
    qreal y = Margin;
    for (qsizetype index = bar->value(); index < qsizetype(m_lines.size()) && y < bottom; ++index) {
        qreal height = 0;
        const auto layout = layOut(index, &height);
        draw(index, *layout, qRound(y), qRound(height));
        y += height;
    }
}

void StatusLog::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    const bool atEnd = verticalScrollBar()->value() >= verticalScrollBar()->maximum();
    m_toNewest = m_toNewest || atEnd;
    scheduleScrollRange();
}

void StatusLog::showEvent(QShowEvent* event)
{
    QAbstractScrollArea::showEvent(event);
    updateScrollRange();
}

void StatusLog::scrollContentsBy(int, int)
{
    viewport()->update();
}

qsizetype StatusLog::lineAt(int y) const
{
    for (const Shown& shown : m_shown)
        if (y >= shown.top && y < shown.bottom)
            return shown.index;
    return -1;
}

void StatusLog::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return QAbstractScrollArea::mousePressEvent(event);
    const qsizetype index = lineAt(event->position().toPoint().y());
    m_anchor = m_cursor = index < 0 ? -1 : m_firstNumber + index;
    viewport()->update();
}

void StatusLog::mouseMoveEvent(QMouseEvent* event)
{
    if (!(event->buttons() & Qt::LeftButton) || m_anchor < 0)
        return QAbstractScrollArea::mouseMoveEvent(event);
    const qsizetype index = lineAt(event->position().toPoint().y());
    if (index >= 0) {
        m_cursor = m_firstNumber + index;
        viewport()->update();
    }
}

void StatusLog::contextMenuEvent(QContextMenuEvent* event)
{
    QMenu menu(this);
    QAction* copyItem = menu.addAction(tr("&Copy"), QKeySequence::Copy, this, &StatusLog::copy);
    copyItem->setObjectName(QStringLiteral("edit-copy"));
    copyItem->setEnabled(hasSelection());
    menu.addSeparator();
    QAction* selectAllItem = menu.addAction(tr("Select All"), QKeySequence::SelectAll, this, &StatusLog::selectAll);
    selectAllItem->setObjectName(QStringLiteral("select-all"));
    selectAllItem->setEnabled(!m_lines.empty());
    menu.exec(event->globalPos());
}
