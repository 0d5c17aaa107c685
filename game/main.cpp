#include "FontConfigPreload.h"
#include "GameStyle.h"
#include "frmMain.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    FontConfigPreload fonts;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Ossaria"));
    QApplication::setApplicationVersion(QStringLiteral("1.2.2"));
    // Lets the desktop match the window to the menu entry and its icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.ossaria.kelvask"));
    // The game ends with its main window, whatever notice or chat window is
    // still open.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setStyle(new GameStyle);

    fonts.finish();
    frmMain window;
    QObject::connect(&window, &frmMain::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    window.show();
    return app.exec();
}
