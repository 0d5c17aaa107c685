// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The library's non-modal message box: a label and an "Ok" button. Ok, Enter
// and the close box unload it (the window deletes itself); it never beeps
// and never blocks whoever showed it.
class frmMsgBox : public QDialog {
    Q_OBJECT
public:
    frmMsgBox();

    QLabel* lblMessage;
    QPushButton* butOk;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void butOk_Click();
};
