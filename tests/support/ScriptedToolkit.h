// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "Toolkit.h"

#include <QQueue>
#include <QStringList>

#include <functional>
#include <optional>
#include <utility>

// Answers message boxes from a queue, records what was asked, counts beeps
// and fixes the next random draw. Installed for the whole process while it
// lives.
class ScriptedToolkit final : public Toolkit::Backend {
public:
    ScriptedToolkit() { Toolkit::setBackend(this); }
    ~ScriptedToolkit() override { Toolkit::setBackend(nullptr); }

    // Answers for the next boxes, in order; an empty queue answers OK for an
    // OK box and No or Cancel for a question.
    QQueue<int> answers;
    QStringList prompts;
    QStringList titles;
    QList<int> buttons;
    int beeps = 0;
    int seeds = 0;
    std::optional<float> nextDraw;
    // Runs while a box is "open", inside the gate's hold, e.g. to let socket
    // traffic arrive during the wait.
    std::function<void(const QString& prompt)> whileOpen;

    int messageBox(const QString& prompt, int buttons, const QString& title) override;
    void beep() override { ++beeps; }
    void randomize() override { ++seeds; }
    float random() override { return std::exchange(nextDraw, std::nullopt).value_or(0.25f); }
};
