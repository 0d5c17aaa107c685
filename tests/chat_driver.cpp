// One chat window in its own process, for the two-host chat suite. Usage:
//   chat_driver <remote address> <port>
// It loads the control library from its own folder, calls OpenChat and then
// follows one command per line on stdin, answering each with one line:
//   type <text>          types the text into the chat and presses Send
//   typerepeat <n> <c>   types n copies of the character c and presses Send
//   open <address> <port>  OpenChat again
//   close                CloseChat
//   error <number> <description>  raises the chat socket's Error event
//   dump                 prints {"open", "remote", "local", "prompts"} as JSON
//   quit                 ends the program
// Error boxes are answered OK at once and recorded as prompts.
#include "ControlHarness.h"
#include "ScriptedToolkit.h"

#include <QApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTextBlock>
#include <QTextStream>

#include <unistd.h>

namespace {

QJsonArray lines(const QPlainTextEdit* area)
{
    QJsonArray result;
    for (QTextBlock block = area->document()->begin(); block.isValid(); block = block.next())
        result << block.text();
    return result;
}

class Driver {
public:
    Driver(QWidget* component, ScriptedToolkit& toolkit)
        : m_component(component)
        , m_toolkit(toolkit)
    {
    }

    QString run(const QString& command)
    {
        const QString verb = command.section(QLatin1Char(' '), 0, 0);
        const QString rest = command.section(QLatin1Char(' '), 1);
        if (verb == QLatin1String("type"))
            return type(rest);
        if (verb == QLatin1String("typerepeat"))
            return type(QString(rest.section(QLatin1Char(' '), 0, 0).toInt(),
                                rest.section(QLatin1Char(' '), 1).at(0)));
        if (verb == QLatin1String("open")) {
            QMetaObject::invokeMethod(m_component, "OpenChat", Q_ARG(QString, rest.section(QLatin1Char(' '), 0, 0)),
                                      Q_ARG(QString, rest.section(QLatin1Char(' '), 1)));
            return QStringLiteral("ok");
        }
        if (verb == QLatin1String("close")) {
            QMetaObject::invokeMethod(m_component, "CloseChat");
            return QStringLiteral("ok");
        }
        if (verb == QLatin1String("error"))
            return raiseError(rest.section(QLatin1Char(' '), 0, 0).toShort(), rest.section(QLatin1Char(' '), 1));
        if (verb == QLatin1String("dump"))
            return dump();
        if (verb == QLatin1String("quit")) {
            QCoreApplication::quit();
            return QStringLiteral("ok");
        }
        return QStringLiteral("unknown command");
    }

private:
    QWidget* chat() const
    {
        for (QWidget* window : m_component->findChildren<QWidget*>(QStringLiteral("frmChat"))) {
            if (window->isVisible())
                return window;
        }
        return nullptr;
    }

    QString type(const QString& text)
    {
        QWidget* window = chat();
        if (!window)
            return QStringLiteral("no chat window");
        window->findChild<QLineEdit*>(QStringLiteral("editSend"))->setText(text);
        window->findChild<QPushButton*>(QStringLiteral("butSend"))->click();
        return QStringLiteral("ok");
    }

    QString raiseError(short number, const QString& description)
    {
        QWidget* window = chat();
        QObject* socket = window ? window->findChild<QObject*>(QStringLiteral("Winsock1")) : nullptr;
        if (!socket)
            return QStringLiteral("no chat window");
        QMetaObject::invokeMethod(socket, "Error", Q_ARG(short, number), Q_ARG(QString, description));
        return QStringLiteral("ok");
    }

    QString dump() const
    {
        QJsonObject state;
        const QWidget* window = chat();
        state.insert(QStringLiteral("open"), window != nullptr);
        if (window) {
            state.insert(QStringLiteral("remote"),
                         lines(window->findChild<QPlainTextEdit*>(QStringLiteral("editRemoteMsgArea"))));
            state.insert(QStringLiteral("local"),
                         lines(window->findChild<QPlainTextEdit*>(QStringLiteral("editLocalMsgArea"))));
        }
        state.insert(QStringLiteral("prompts"), QJsonArray::fromStringList(m_toolkit.prompts));
        return QString::fromUtf8(QJsonDocument(state).toJson(QJsonDocument::Compact));
    }

    QWidget* m_component;
    ScriptedToolkit& m_toolkit;
};

} // namespace

int main(int argc, char* argv[])
{
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
    Driver driver(component, toolkit);

    QByteArray pending;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[65536];
        const ssize_t count = ::read(STDIN_FILENO, buffer, sizeof buffer);
        if (count <= 0) {
            input.setEnabled(false);
            QCoreApplication::quit();
            return;
        }
        pending.append(buffer, count);
        qsizetype end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QString command = QString::fromUtf8(pending.left(end));
            pending.remove(0, end + 1);
            out << driver.run(command) << Qt::endl;
        }
    });

    QMetaObject::invokeMethod(component, "OpenChat", Q_ARG(QString, QString::fromLocal8Bit(argv[1])),
                              Q_ARG(QString, QString::fromLocal8Bit(argv[2])));
    out << "ready" << Qt::endl;
    return app.exec();
}
