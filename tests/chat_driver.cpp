// One chat window in its own process, for the two-host chat suite. Usage:
//   chat_driver <remote address> <port>
// It loads the control library from its own folder, calls OpenChat and then
// follows one command per line on stdin, answering each with one line:
//   type <text>          types the text into the chat and presses Send
//   open <address> <port>  OpenChat again
//   close                CloseChat
//   error <number> <description>  raises the chat socket's Error event
//   remote, local        prints that area's lines as a JSON array, none
//                        while the window is closed
//   prompts              prints the error boxes' texts as a JSON array
// It ends when stdin does. Error boxes are answered OK at once and recorded
// as prompts.
#include "ControlHarness.h"
#include "ScriptedToolkit.h"

#include <QApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTextStream>

#include <unistd.h>

namespace {

QString json(const QStringList& lines)
{
    return QString::fromUtf8(QJsonDocument(QJsonArray::fromStringList(lines)).toJson(QJsonDocument::Compact));
}

QString run(QWidget* component, const ScriptedToolkit& toolkit, const QString& command)
{
    const QString verb = command.section(QLatin1Char(' '), 0, 0);
    const QString first = command.section(QLatin1Char(' '), 1, 1);
    const QString rest = command.section(QLatin1Char(' '), 2);
    QWidget* chat = ControlHarness::shownChat(component);
    if (verb == QLatin1String("open"))
        QMetaObject::invokeMethod(component, "OpenChat", Q_ARG(QString, first), Q_ARG(QString, rest));
    else if (verb == QLatin1String("close"))
        QMetaObject::invokeMethod(component, "CloseChat");
    else if (verb == QLatin1String("remote"))
        return json(ControlHarness::areaLines(chat, "editRemoteMsgArea"));
    else if (verb == QLatin1String("local"))
        return json(ControlHarness::areaLines(chat, "editLocalMsgArea"));
    else if (verb == QLatin1String("prompts"))
        return json(toolkit.prompts);
    else if (!chat)
        return QStringLiteral("no chat window");
    else if (verb == QLatin1String("type")) {
        chat->findChild<QLineEdit*>(QStringLiteral("editSend"))->setText(command.section(QLatin1Char(' '), 1));
        chat->findChild<QPushButton*>(QStringLiteral("butSend"))->click();
    } else if (verb == QLatin1String("error"))
        QMetaObject::invokeMethod(chat->findChild<QObject*>(QStringLiteral("Winsock1")), "Error",
                                  Q_ARG(short, first.toShort()), Q_ARG(QString, rest));
    else
        return QStringLiteral("unknown command");
    return QStringLiteral("ok");
}

} // namespace

int main(int argc, char* argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc != 3) {
        QTextStream(stderr) << "usage: chat_driver <remote address> <port>\n";
        return 2;
    }
    ScriptedToolkit toolkit;
    QWidget host;
    QString failure;
    QWidget* component = ControlHarness::createComponent(&host, &failure);
    if (!component) {
        QTextStream(stderr) << "cannot load the control library: " << failure << '\n';
        return 1;
    }

    // Unbuffered, so that a line still unread keeps the notifier firing.
    QFile input;
    input.open(stdin, QIODevice::ReadOnly | QIODevice::Unbuffered);
    QSocketNotifier notifier(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&notifier, &QSocketNotifier::activated, [&] {
        const QByteArray line = input.readLine();
        if (!line.endsWith('\n')) {
            notifier.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        out << run(component, toolkit, QString::fromUtf8(line.chopped(1))) << Qt::endl;
    });

    QMetaObject::invokeMethod(component, "OpenChat", Q_ARG(QString, QString::fromLocal8Bit(argv[1])),
                              Q_ARG(QString, QString::fromLocal8Bit(argv[2])));
    out << "ready" << Qt::endl;
    return app.exec();
}
