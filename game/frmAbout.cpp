// SPDX-License-Identifier: GPL-3.0-or-later
#include "frmAbout.h"

#include "DesignFont.h"
#include "PictureBox.h"
#include "Pictures.h"
#include "Toolkit.h"
#include "Placing.h"
#include "SingleWindow.h"
#include "Twips.h"
#include "frmMain.h"

#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>

namespace {

QPointer<frmAbout> g_instance;

// Where the system-information tool records itself on a system with a
// registry: its full path, or else the folder that holds its program.
const QString SysInfoKey = QStringLiteral("SOFTWARE\\Shared Tools\\SysInfo");
const QString SysInfoPathValue = QStringLiteral("PATH");
const QString SysInfoLocationKey = QStringLiteral("SOFTWARE\\Shared Tools Location");
const QString SysInfoLocationValue = QStringLiteral("SYSINFO");
const QString SysInfoProgram = QStringLiteral("\\SYSINFO.EXE");

QLabel* label(QWidget* parent, const char* name, const QRect& geometry)
{
    auto* control = place<QLabel>(parent, name, geometry);
    control->setTextFormat(Qt::PlainText);
    control->setWordWrap(true);
    control->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return control;
}

void paintBlack(QLabel* label)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    label->setPalette(palette);
}

// A line of the given colour from (left, top) to (right, top), all in twips.
QFrame* line(QWidget* parent, const char* name, int left, int top, int right, int width,
             const QColor& color)
{
    auto* control = new QFrame(parent);
    control->setObjectName(QLatin1String(name));
    control->setGeometry(Twips::toPixels(left), Twips::toPixels(top),
                         Twips::toPixels(right - left), width);
    control->setAutoFillBackground(true);
    QPalette palette = control->palette();
    palette.setColor(QPalette::Window, color);
    control->setPalette(palette);
    return control;
}

// The first stand-in for the system-information tool found on PATH, or empty.
QString findDesktopSysInfo()
{
    for (const QString& program : frmAbout::desktopSysInfoPrograms()) {
        const QString path = QStandardPaths::findExecutable(program);
        if (!path.isEmpty())
            return path;
    }
    return QString();
}

} // namespace

frmAbout* frmAbout::showInstance(frmMain* main)
{
    return showSingleWindow(g_instance, [main] { return new frmAbout(main); });
}

frmAbout* frmAbout::instance()
{
    return g_instance;
}

QStringList frmAbout::desktopSysInfoPrograms()
{
    return {QStringLiteral("hardinfo"), QStringLiteral("kinfocenter"),
            QStringLiteral("gnome-system-monitor")};
}

// A dialog that belongs to the main window stays out of the taskbar.
frmAbout::frmAbout(frmMain* main)
    : QDialog(main, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint
                        | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                        | Qt::WindowCloseButtonHint)
    , m_main(main)
{
    setObjectName(QStringLiteral("frmAbout"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(Pictures::windowIcon());
    setFixedSize(Twips::size(5730, 3555));
    setFont(designFont());
    buildWindow();
    Form_Load();
}

void frmAbout::buildWindow()
{
    // OK comes first in the tab order.
    cmdOK = button(this, "cmdOK", tr("OK"), Twips::rect(4245, 2625, 1260, 345));
    cmdOK->setDefault(true);
    cmdSysInfo = button(this, "cmdSysInfo", tr("&System Info..."),
                        Twips::rect(4260, 3075, 1245, 345));
    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    picIcon = new PictureBox(this);
    picIcon->setObjectName(QStringLiteral("picIcon"));
    picIcon->setGeometry(Twips::rect(75, 75, 1185, 960));
    picIcon->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    picIcon->setPixmap(Pictures::ship());

    lblTitle = label(this, "lblTitle", Twips::rect(1500, 240, 3885, 480));
    QFont titleFont = lblTitle->font();
    titleFont.setPixelSize(18);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);
    lblVersion = label(this, "lblVersion", Twips::rect(1500, 780, 3885, 225));
    lblDescription = label(this, "lblDescription", Twips::rect(1500, 1125, 3885, 1170));
    paintBlack(lblDescription);

    // A grey line with a white one just below it reads as an etched groove.
    Line1[1] = line(this, "Line1_1", 90, 2445, 5654, 1, QColor(0x80, 0x80, 0x80));
    Line1[0] = line(this, "Line1_0", 105, 2460, 5654, 2, Qt::white);

    lblDisclaimer = label(this, "lblDisclaimer", Twips::rect(255, 2625, 3870, 825));
    paintBlack(lblDisclaimer);
}

void frmAbout::Form_Load()
{
    setWindowTitle(tr("About %1").arg(Toolkit::AppTitle()));
    lblVersion->setText(tr("Version %1.%2.%3")
                            .arg(Toolkit::AppMajor())
                            .arg(Toolkit::AppMinor())
                            .arg(Toolkit::AppRevision()));
    lblTitle->setText(Toolkit::AppTitle());
    lblDescription->setText(QStringList{QString(), QString(), tr("Programming by: "),
                                        tr("       Ossaria developers"),
                                        tr("       The Ossaria project"),
                                        tr("       Free software, GPL 3 or later")}
                                .join(QStringLiteral("\r\n")));
    lblDisclaimer->setText(
        tr("\r\nModelled on the classic pencil-and-paper game of naval battles."));
    m_main->PlaySound(QStringLiteral("thankyou"), false);
}

void frmAbout::cmdOK_Click()
{
    close();
}

void frmAbout::cmdSysInfo_Click()
{
    StartSysInfo();
}

void frmAbout::StartSysInfo()
{
    QString sysInfoPath;
    if (!GetKeyValue(HKEY_LOCAL_MACHINE, SysInfoKey, SysInfoPathValue, sysInfoPath)) {
        QString folder;
        if (GetKeyValue(HKEY_LOCAL_MACHINE, SysInfoLocationKey, SysInfoLocationValue, folder)
            && QFileInfo::exists(folder + SysInfoProgram))
            sysInfoPath = folder + SysInfoProgram;
        else
            sysInfoPath = findDesktopSysInfo();
    }
    // Started on its own, without waiting: it outlives this window and the game.
    if (sysInfoPath.isEmpty() || !QProcess::startDetached(sysInfoPath, QStringList()))
        Toolkit::MsgBox(tr("System Information Is Unavailable At This Time"),
                        Toolkit::vbOKOnly);
}

// This platform keeps no registry: every key fails to open, so the text is
// emptied and the lookup reports failure.
bool frmAbout::GetKeyValue(quint32, const QString&, const QString&, QString& KeyVal)
{
    KeyVal.clear();
    return false;
}
