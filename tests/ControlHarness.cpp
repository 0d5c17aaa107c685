#include "ControlHarness.h"

#include <QApplication>
#include <QDir>
#include <QPluginLoader>
#include <QWidget>

namespace ControlHarness {

QString libraryPath()
{
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("libqvcontrols.so"));
}

QJsonObject metaData()
{
    return QPluginLoader(libraryPath()).metaData().value(QStringLiteral("MetaData")).toObject();
}

QWidget* createComponent(QWidget* parent, QString* failure)
{
    QPluginLoader loader(libraryPath());
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

} // namespace ControlHarness
