#pragma once

#include <QString>

// The six tag strings of one track. Genre holds the genre's name, empty for none;
// Year holds the tag's text as it stands, not a number.
struct TagFields
{
    QString Title;
    QString Artist;
    QString Album;
    QString Comment;
    QString Year;
    QString Genre;

    friend bool operator==(const TagFields &, const TagFields &) = default;
};
