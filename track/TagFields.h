#pragma once

#include <QString>

// The tag strings of one track. Genre holds the genre's name, empty for none; Year and Track
// hold the tag's text as it stands, not a number (a track may read "3/12", the track and the
// album's count; see trackNumber).
struct TagFields
{
    QString Title;
    QString Artist;
    QString Album;
    QString Comment;
    QString Year;
    QString Genre;
    QString Track = {};

    friend bool operator==(const TagFields &, const TagFields &) = default;
};
