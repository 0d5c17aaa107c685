// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QPlainTextEdit;
class QPushButton;
class TileButton;

// The game reference: how a match is played and what the colours and marks
// on the seas mean. One instance at a time; it is destroyed when closed and
// built afresh on the next showing. Its controls carry their documented
// names and are open to the tests.
class frmHelpGame : public QWidget {
    Q_OBJECT
public:
    // Shows the one help window, building it first when there is none, and
    // brings it forward. The owner is the main window; the help window goes
    // with it.
    static frmHelpGame* showInstance(QWidget* owner);
    // The open help window, or nullptr.
    static frmHelpGame* instance();

    // The texts of the two text boxes exactly as written, every line ended
    // by CR LF.
    static QString gameText();
    static QString colorsText();

    QPlainTextEdit* editHelpText = nullptr;
    QPlainTextEdit* editColors = nullptr;
    std::array<TileButton*, 4> butHomeTile{};
    QLabel* Label1 = nullptr;
    QLabel* Label2 = nullptr;
    QLabel* Label3 = nullptr;
    QLabel* Label4 = nullptr;
    QPushButton* butDone = nullptr;
    QPushButton* butPrint = nullptr;

    void butDone_Click();
    void butPrint_Click();

private:
    explicit frmHelpGame(QWidget* owner);

    void buildTexts();
    void buildLegend();
    void buildButtons();
};
