#include "naming/FileNameCleaning.h"

#include "track/MP3File.h"
#include "track/SpaceTrim.h"

using namespace Qt::StringLiterals;

void FillIllegalChars(IllegalCharList &illegalChars)
{
    illegalChars = {u"\\"_s, u"/"_s, u":"_s, u"*"_s, u"?"_s, u"\""_s, u"<"_s, u">"_s, u"|"_s};
}

QString CleanFileNamePart(const QString &text, const IllegalCharList &illegalChars)
{
    QString part = trimSpaces(QString(text).remove(u"\r\n"_s));
    part.remove(QChar(u'\0'));
    for (const QString &illegal : illegalChars) {
        if (!illegal.isEmpty())
            part.replace(illegal, u" "_s);
    }
    return part;
}

QString CleanTagField(const QString &value, MP3File &file, const IllegalCharList &illegalChars)
{
    const bool blank = QString(value).remove(QChar(u'\0')).isEmpty();
    if (!file.IsMissingTags() && blank) {
        file.setIsMissingTags(true);
        return {};
    }
    return CleanFileNamePart(value, illegalChars);
}
