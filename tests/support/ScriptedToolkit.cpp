// SPDX-License-Identifier: GPL-3.0-or-later
#include "ScriptedToolkit.h"

#include "EventGate.h"

int ScriptedToolkit::messageBox(const QString& prompt, int buttonSet, const QString& title)
{
    prompts << prompt;
    titles << title;
    buttons << buttonSet;
    EventGate::Hold hold;
    if (whileOpen)
        whileOpen(prompt);
    if (!answers.isEmpty())
        return answers.dequeue();
    if (buttonSet == Toolkit::vbYesNo)
        return Toolkit::vbNo;
    return buttonSet == Toolkit::vbOKCancel ? Toolkit::vbCancel : Toolkit::vbOK;
}
