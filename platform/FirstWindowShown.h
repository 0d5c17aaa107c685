// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>

#include <functional>

// Runs an action once the application's first window is on screen and
// painted, so that work the window does not need never delays it. In a
// program without windows, or when a window already shows, it runs at once.
class FirstWindowShown final : public QObject {
public:
    explicit FirstWindowShown(std::function<void()> action);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void runAfterPainting();

    std::function<void()> m_action;
};
