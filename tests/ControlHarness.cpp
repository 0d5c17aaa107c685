// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlHarness.h"

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPluginLoader>
#include <QTextBlock>

namespace ControlHarness {

QWidget* createComponent(QWidget* parent, QString* failure)
{
    QPluginLoader loader(QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("libqvcontrols.so")));
    QObject* factory = loader.instance();
    if (!factory) {
        *failure = loader.errorString();
        return nullptr;
    }
    QWidget* component = nullptr;
    if (!QMetaObject::invokeMethod(factory, "createComponent", Q_RETURN_ARG(QWidget*, component),
                                   Q_ARG(QWidget*, parent))
        || !component) {
        *failure = QStringLiteral("createComponent could not be called");
        return nullptr;
    }
    return component;
}

QList<QWidget*> shownWindows(const QString& objectName)
{
    QList<QWidget*> shown;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (widget->objectName() == objectName && widget->isVisible())
            shown << widget;
    }
    return shown;
}

QWidget* shownChat(const QWidget* component)
{
    for (QWidget* window : component->findChildren<QWidget*>(QStringLiteral("frmChat"))) {
        if (window->isVisible())
            return window;
    }
    return nullptr;
}

QStringList areaLines(const QWidget* chat, const char* area)
{
    QStringList lines;
    if (!chat)
        return lines;
    const QTextDocument* text = chat->findChild<QPlainTextEdit*>(QLatin1String(area))->document();
    for (QTextBlock block = text->begin(); block.isValid(); block = block.next())
        lines << block.text();
    return lines;
}

} // namespace ControlHarness
