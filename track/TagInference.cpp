#include "track/TagInference.h"

#include "track/SpaceTrim.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

// The number of pieces that splitting text at every separator gives, minus one; 0 for an
// empty text.
int CountSeparators(const QString &text, const QString &separator)
{
    int count = 0;
    for (qsizetype at = text.indexOf(separator); at >= 0 && !separator.isEmpty();
         at = text.indexOf(separator, at + separator.size()))
        ++count;
    return count;
}

// Turns the last "/" of path into " - ", trimming spaces on both sides:
// "/MP3/Band/01 - Song.mp3" becomes "/MP3/Band - 01 - Song.mp3".
QString FoldFolderIntoName(const QString &path)
{
    const qsizetype slash = path.lastIndexOf(u'/');
    return trimSpaces(QStringView(path).left(slash)) + u" - "_s + trimSpaces(QStringView(path).mid(slash + 1));
}

// A track number or a year: plain digits with an optional sign and one decimal point,
// spaces at the ends ignored.
bool isNumeric(const QString &part)
{
    const QString number = trimSpaces(part);
    qsizetype i = number.startsWith(u'+') || number.startsWith(u'-') ? 1 : 0;
    bool digits = false;
    bool point = false;
    for (; i < number.size(); ++i) {
        if (number[i] >= u'0' && number[i] <= u'9')
            digits = true;
        else if (number[i] == u'.' && !point)
            point = true;
        else
            return false;
    }
    return digits;
}

// The file's name without folder and extension: "/a/b.c.mp3" gives "b.c". A name
// without "." is kept whole.
QString workingName(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(u'/') + 1);
    const qsizetype dot = name.lastIndexOf(u'.');
    return trimSpaces(dot < 0 ? name : name.left(dot));
}

// "(Artist) Title", "(Artist) - Title" and "(Artist) Title - Album". name starts with "("
// and holds a ")"; it is left as the text after the ")", which the folder rule looks at.
TagFields guessFromParenthesis(QString &name)
{
    TagFields tags;
    const qsizetype close = name.indexOf(u')');
    tags.Artist = name.mid(1, close - 1);
    name = trimSpaces(name.mid(close + 1));
    if (name.startsWith(u'-')) {
        tags.Title = trimSpaces(name.mid(1));
    } else if (const qsizetype dash = name.indexOf(u'-'); dash >= 0) {
        tags.Title = name.left(dash);
        tags.Album = name.mid(dash + 1);
    } else {
        tags.Title = name;
    }
    return tags;
}

// "Artist - Album - 01 - Title": the first word part is the artist, a part after a number
// the title, any other part the album; each field takes the first part that fits.
TagFields guessFromChain(const QString &name)
{
    TagFields tags;
    const QStringList parts = name.split(u"- "_s);
    for (qsizetype i = 0; i < parts.size(); ++i) {
        if (isNumeric(parts[i]))
            continue;
        if (tags.Artist.isEmpty())
            tags.Artist = parts[i];
        else if (isNumeric(parts[i - 1]))
            tags.Title = tags.Title.isEmpty() ? parts[i] : tags.Title;
        else
            tags.Album = tags.Album.isEmpty() ? parts[i] : tags.Album;
    }
    return tags;
}

bool hasTwoSlashes(const QString &path)
{
    return path.indexOf(u'/') != path.lastIndexOf(u'/');
}

} // namespace

TagFields GuessTagsFromFileName(const QString &path)
{
    // A name with a folder above it but no title yet is tried again with the folder's
    // name folded in, once per "/" that is left.
    QString current = path;
    while (true) {
        QString name = workingName(current);
        if (CountSeparators(name, u" "_s) < 1) {
            TagFields tags;
            tags.Title = name.replace(u'_', u' ');
            return tags;
        }

        name = trimSpaces(name.replace(u'_', u' '));
        const bool parenthesised = name.startsWith(u'(') && CountSeparators(name, u"-"_s) < 3 && name.contains(u')');
        TagFields tags = parenthesised ? guessFromParenthesis(name) : guessFromChain(name);
        tags.Artist.remove(u'(').remove(u')');

        if (name.startsWith(u'(') || !tags.Title.isEmpty() || !hasTwoSlashes(current))
            return tags;
        current = FoldFolderIntoName(current);
    }
}
