#include "app/TrackSummary.h"

#include "track/MP3File.h"

using namespace Qt::StringLiterals;

QString TrackSummary(const MP3File &file)
{
    QString summary = file.Artist() + u" - "_s + file.Title();
    if (!file.Album().isEmpty())
        summary += u" | "_s + file.Album();
    if (!file.Year().isEmpty())
        summary += u" ("_s + file.Year() + u')';
    return summary;
}
