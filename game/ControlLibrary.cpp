// SPDX-License-Identifier: GPL-3.0-or-later
#include "ControlLibrary.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonObject>
#include <QMetaObject>
#include <QPluginLoader>
#include <QWidget>

namespace ControlLibrary {

QStringList defaultFolders()
{
    return {QCoreApplication::applicationDirPath()};
}

Loaded create(const QStringList& folders, QWidget* parent)
{
    QString lookedFor;
    // The reason is shown to the player, in the game's language.
    QString reason = QCoreApplication::translate("ControlLibrary", "file not found");
    for (const QString& folder : folders) {
        const QString path = QDir(folder).filePath(QLatin1String(FileName));
        if (lookedFor.isEmpty())
            lookedFor = path;
        if (!QFileInfo::exists(path))
            continue;
        lookedFor = path;
        QPluginLoader loader(path);
        const QJsonObject meta = loader.metaData().value(QStringLiteral("MetaData")).toObject();
        if (meta.value(QStringLiteral("ProgID")).toString() != QLatin1String(ProgID)) {
            reason = loader.metaData().isEmpty()
                         ? loader.errorString()
                         : QCoreApplication::translate("ControlLibrary", "the library does not offer %1")
                               .arg(QLatin1String(ProgID));
            continue;
        }
        QObject* factory = loader.instance();
        if (!factory) {
            reason = loader.errorString();
            continue;
        }
        QWidget* component = nullptr;
        if (QMetaObject::invokeMethod(factory, "createComponent",
                                      Q_RETURN_ARG(QWidget*, component), Q_ARG(QWidget*, parent))
            && component)
            return {component, {}};
        reason = QCoreApplication::translate("ControlLibrary", "the library could not create %1")
                     .arg(QLatin1String(ProgID));
    }
    return {nullptr, QCoreApplication::translate("ControlLibrary", "%1: %2").arg(lookedFor, reason)};
}

bool call(QWidget* component, const char* operation, const QStringList& arguments)
{
    if (!component)
        return false;
    switch (arguments.size()) {
    case 0:
        return QMetaObject::invokeMethod(component, operation);
    case 1:
        return QMetaObject::invokeMethod(component, operation, Q_ARG(QString, arguments[0]));
    case 2:
        return QMetaObject::invokeMethod(component, operation, Q_ARG(QString, arguments[0]),
                                         Q_ARG(QString, arguments[1]));
    default:
        return false;
    }
}

} // namespace ControlLibrary
