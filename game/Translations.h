// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QStringList>
#include <QTranslator>

// The game's texts, and Qt's own for the standard buttons of the system's
// message boxes, in the first of the given languages that the game speaks,
// installed for the whole application while this lives. English is the
// language of the code: it, or a list that names it before any language the
// game has, installs nothing, and so does a list of languages the game lacks.
class Translations {
public:
    explicit Translations(const QStringList& uiLanguages = QLocale::system().uiLanguages());
    ~Translations();

    // The language installed, as its file names it ("de", "pt_BR"), or
    // empty for English.
    QString language() const { return m_language; }
    // The same for the application: the language of its texts that Qt's
    // translators do not carry (the help window's).
    static QString current();

private:
    QTranslator m_game;
    QTranslator m_qt;
    QString m_language;
};
