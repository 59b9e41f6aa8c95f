#pragma once

#include <QString>
#include <QStringView>

#include <array>

class MP3File;

// The characters a file name may not contain, one to an entry, each replaced by a space when
// a name part is cleaned. Empty until FillIllegalChars fills it; an empty entry replaces
// nothing.
using IllegalCharList = std::array<QString, 9>;

void FillIllegalChars(IllegalCharList &illegalChars);

// U+0000 to U+001F and U+007F to U+009F: characters no name a person reads or types may
// hold (a line feed would split it, the others show as nothing or as boxes).
constexpr bool isControlCharacter(QChar c)
{
    return c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() <= 0x9f);
}

// text without NULs, each illegal character and each control character (U+0001 to U+001F,
// U+007F to U+009F) replaced by a space.
QString withoutIllegalCharacters(QStringView text, const IllegalCharList &illegalChars);

// Removes CR LF pairs, spaces at both ends and every NUL, in that order, then replaces each
// illegal character and each control character (U+0001 to U+001F, U+007F to U+009F) by a
// space. Nothing is trimmed after the replacement.
QString CleanFileNamePart(const QString &text, const IllegalCharList &illegalChars);

// One tag field, as fieldText gives it, made ready for a name. An empty field marks an
// unmarked file as missing tags and gives an empty part.
QString CleanTagField(const QString &value, MP3File &file, const IllegalCharList &illegalChars);
