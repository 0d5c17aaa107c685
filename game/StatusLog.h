#pragma once

#include <QPlainTextEdit>

// The status log: each message is a new last line. A peer can make the game
// log without end, so only the newest lines are kept, and appending never
// rebuilds the whole text.
class StatusLog : public QPlainTextEdit {
    Q_OBJECT
public:
    static constexpr int MaxLines = 10000;

    explicit StatusLog(QWidget* parent = nullptr);

    void append(const QString& line);
    void replace(const QString& text);
    QStringList lines() const;
};
