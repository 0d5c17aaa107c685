// SPDX-License-Identifier: GPL-3.0-or-later
#include "ChatText.h"

namespace ChatText {
namespace {

// Pieces of at most size characters, in order; an empty text is one empty piece.
QStringList split(const QString& text, qsizetype size)
{
    QStringList pieces;
    qsizetype start = 0;
    do {
        pieces << text.mid(start, size);
        start += size;
    } while (start < text.size());
    return pieces;
}

} // namespace

QString toLatin1Text(const QString& typed)
{
    QString text;
    for (const char32_t character : typed.toUcs4())
        text += character <= 0xFF ? QChar(char16_t(character)) : QChar(u'?');
    return text;
}

QStringList datagrams(const QString& latin1Text)
{
    return split(latin1Text, MaxDatagram);
}

QStringList shownLines(const QString& text)
{
    constexpr char16_t controlPictures = 0x2400;
    constexpr char16_t deletePicture = 0x2421;
    QString shown = text;
    for (QChar& character : shown) {
        const char16_t code = character.unicode();
        if (code < 0x20)
            character = QChar(char16_t(controlPictures + code));
        else if (code == 0x7F)
            character = QChar(deletePicture);
        else if (code >= 0x80 && code < 0xA0)
            character = QChar(QChar::ReplacementCharacter);
    }
    return split(shown, MaxShownLine);
}

} // namespace ChatText
