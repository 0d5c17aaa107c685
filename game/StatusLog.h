#pragma once

#include <QAbstractScrollArea>
#include <QStringList>

#include <deque>
#include <memory>
#include <vector>

class QTextLayout;

// The status log: each message is a new last line and the view follows the
// newest. A peer can make the game log without end, so only the newest lines
// are kept. Appending a line only stores it: lines are wrapped and shaped
// when they are painted, and only those that can be seen, so a flood costs
// nothing for a window that is covered or never shown. Read-only; lines can
// be selected with the mouse or all at once (context menu) and copied.
class StatusLog : public QAbstractScrollArea {
    Q_OBJECT
public:
    static constexpr int MaxLines = 10000;

    explicit StatusLog(QWidget* parent = nullptr);
    ~StatusLog() override;

    void append(const QString& line);
    // The whole text becomes text, one line per line break in it.
    void replace(const QString& text);
    QStringList lines() const;
    QString lastLine() const { return m_lines.empty() ? QString() : m_lines.back(); }

    void selectAll();
    QString selectedText() const;
    // Puts the selected lines on the clipboard.
    void copy() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    struct Shown {
        qsizetype index;
        int top;
        int bottom;
    };

    void store(const QString& line);
    void scheduleScrollRange();
    void updateScrollRange();
    std::unique_ptr<QTextLayout> layOut(qsizetype index, qreal* height) const;
    qsizetype lineAt(int y) const;
    bool isSelected(qsizetype index) const;
    bool hasSelection() const;

    std::deque<QString> m_lines;
    // Lines are numbered from the first ever stored, so that dropping the
    // oldest moves neither the selection nor anything else.
    qint64 m_firstNumber = 0;
    qint64 m_anchor = -1;
    qint64 m_cursor = -1;
    bool m_rangeScheduled = false;
    bool m_toNewest = false;
    // The last lines fill the view: the newest sits at its bottom when the
    // scroll bar is at its end.
    bool m_fills = false;
    std::vector<Shown> m_shown;
};
