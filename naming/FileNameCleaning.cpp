#include "naming/FileNameCleaning.h"

#include "track/MP3File.h"
#include "track/SpaceTrim.h"

#include <algorithm>

using namespace Qt::StringLiterals;

void FillIllegalChars(IllegalCharList &illegalChars)
{
    illegalChars = {u"\\"_s, u"/"_s, u":"_s, u"*"_s, u"?"_s, u"\""_s, u"<"_s, u">"_s, u"|"_s};
}

QString withoutIllegalCharacters(QStringView text, const IllegalCharList &illegalChars)
{
    // One pass: every entry of the list is a single character.
    const auto isIllegal = [&illegalChars](QChar c) {
        return isControlCharacter(c)
            || std::any_of(illegalChars.begin(), illegalChars.end(),
                [c](const QString &illegal) { return illegal.size() == 1 && illegal[0] == c; });
    };
    QString part;
    part.reserve(text.size());
    for (const QChar c : text) {
        if (c != u'\0')
            part.append(isIllegal(c) ? QChar(u' ') : c);
    }
    return part;
}

QString CleanFileNamePart(const QString &text, const IllegalCharList &illegalChars)
{
    return withoutIllegalCharacters(
        trimSpaces(text.contains(u"\r\n"_s) ? QString(text).remove(u"\r\n"_s) : text), illegalChars);
}

QString CleanTagField(const QString &value, MP3File &file, const IllegalCharList &illegalChars)
{
    if (!file.IsMissingTags() && value.isEmpty()) {
        file.setIsMissingTags(true);
        return {};
    }
    return CleanFileNamePart(value, illegalChars);
}
