// SPDX-License-Identifier: GPL-3.0-or-later
#include "FontConfigPreload.h"
#include "GameStyle.h"
#include "Translations.h"
#include "frmMain.h"

#include <QApplication>
#include <QSocketNotifier>

#include <csignal>
#include <sys/socket.h>
#include <unistd.h>

namespace {

int sessionEndSocket[2] = {-1, -1};

void onSessionEnd(int)
{
    const char byte = 0;
    [[maybe_unused]] const ssize_t written = ::write(sessionEndSocket[1], &byte, 1);
}

// The end of the desktop session (SIGHUP) and a polite stop (SIGTERM) end
// the game the way Exit does once it is answered: the event loop ends and
// the window goes, closing the connection, saying goodbye in the chat and
// ending the router's forwards. A signal handler may only write a byte; the
// event loop takes it from there.
void endWithTheSession(QApplication& app)
{
    if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sessionEndSocket) != 0)
        return;
    auto* notifier = new QSocketNotifier(sessionEndSocket[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QApplication::quit);
    struct sigaction action = {};
    action.sa_handler = onSessionEnd;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGHUP, &action, nullptr);
}

} // namespace

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
    endWithTheSession(app);
    // The desktop's language, before any window is made.
    const Translations translations;

    fonts.finish();
    frmMain window;
    QObject::connect(&window, &frmMain::closed, &app, &QApplication::quit, Qt::QueuedConnection);
    window.show();
    return app.exec();
}
