// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

// The window's menu shortcuts go before the focused control: a text box
// that would take Ctrl+C, Ctrl+X or Ctrl+A as copy, cut or select-all gives
// the key to the menu command instead. Its context menu keeps those edits.
void giveMenuShortcutsPrecedence(QWidget* window);
