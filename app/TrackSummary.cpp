#include "app/TrackSummary.h"

#include "track/MP3File.h"
#include "track/TextUpToNul.h"

using namespace Qt::StringLiterals;

QString TrackSummary(const MP3File &file)
{
    const QString album = textUpToNul(file.Album());
    const QString year = textUpToNul(file.Year());
    QString summary = textUpToNul(file.Artist()) + u" - "_s + textUpToNul(file.Title());
    if (!album.isEmpty())
        summary += u" | "_s + album;
    if (!year.isEmpty())
        summary += u" ("_s + year + u')';
    return summary;
}
