// SPDX-License-Identifier: GPL-3.0-or-later
#include "FuzzApplication.h"

#include <QApplication>

namespace FuzzApplication {

namespace {

QtMessageHandler defaultHandler = nullptr;

// The offscreen platform cannot raise a window, which the chat asks for each
// time it opens; everything else is printed as usual.
void quietRaise(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (message != QLatin1String("This plugin does not support raise()"))
        defaultHandler(type, context, message);
}

} // namespace

void start()
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // libFuzzer's own arguments are not the application's.
    static int argc = 1;
    static char name[] = "fuzz";
    static char* argv[] = {name, nullptr};
    defaultHandler = qInstallMessageHandler(quietRaise);
    static QApplication* application = new QApplication(argc, argv);
    Q_UNUSED(application);
}

} // namespace FuzzApplication
