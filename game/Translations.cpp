// SPDX-License-Identifier: GPL-3.0-or-later
#include "Translations.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>

namespace {

const Translations* g_current = nullptr;

// Beside the program in a build tree; in the install's data folder, found
// from the program's own folder, otherwise.
QStringList translationFolders()
{
    const QDir programFolder(QCoreApplication::applicationDirPath());
    return {programFolder.filePath(QStringLiteral("translations")),
            programFolder.filePath(QStringLiteral(KELVASK_DATA_FROM_PROGRAM "/translations"))};
}

} // namespace

Translations::Translations(const QStringList& uiLanguages)
{
    g_current = this;
    for (QString language : uiLanguages) {
        language.replace(u'-', u'_');
        if (language == QLatin1String("C") || language.startsWith(QLatin1String("en")))
            return;
        for (const QString& folder : translationFolders()) {
            if (!m_game.load(QStringLiteral("kelvask_") + language, folder))
                continue;
            QCoreApplication::installTranslator(&m_game);
            // Without Qt's own translations the standard buttons stay English.
            if (m_qt.load(QStringLiteral("qtbase_") + language,
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
                QCoreApplication::installTranslator(&m_qt);
            // The file's own language: "de" for a desktop in de_AT.
            m_language = QFileInfo(m_game.filePath()).completeBaseName().section(u'_', 1);
            return;
        }
    }
}

Translations::~Translations()
{
    if (g_current == this)
        g_current = nullptr;
}

QString Translations::current()
{
    return g_current ? g_current->language() : QString();
}
