// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>

#include <array>

class frmMain;
class PictureBox;
class QFrame;
class QLabel;
class QPushButton;

// The About window: title, version, credits and a way to the system's
// information tool. One instance at a time; each showing after it has been
// closed builds it afresh and greets the player again. Its controls carry
// their documented names and are open to the tests.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // The registry root under which the system-information tool is looked up.
    static constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002;

    // Shows the one About window, loading it first when there is none, and
    // brings it forward. It belongs to the main window, whose sound it plays.
    static frmAbout* showInstance(frmMain* main);
    // The open About window, or nullptr.
    static frmAbout* instance();

    // The programs that stand in for the system-information tool on a Linux
    // desktop, in the order they are looked for on PATH.
    static QStringList desktopSysInfoPrograms();

    PictureBox* picIcon = nullptr;
    QLabel* lblTitle = nullptr;
    QLabel* lblVersion = nullptr;
    QLabel* lblDescription = nullptr;
    std::array<QFrame*, 2> Line1{};
    QLabel* lblDisclaimer = nullptr;
    QPushButton* cmdOK = nullptr;
    QPushButton* cmdSysInfo = nullptr;

    void Form_Load();
    void cmdOK_Click();
    void cmdSysInfo_Click();
    void StartSysInfo();
    // Reads one text value of the registry; false, with an empty text, when
    // it cannot be read.
    static bool GetKeyValue(quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef,
                            QString& KeyVal);

private:
    explicit frmAbout(frmMain* main);

    void buildWindow();

    frmMain* m_main;
};
