#pragma once

#include <QString>

class MP3File;

// "Artist - Title | Album (Year)", each field cut at its first NUL, the album and year parts
// only when that leaves them not empty.
QString TrackSummary(const MP3File &file);
