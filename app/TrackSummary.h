#pragma once

#include <QString>

class MP3File;

// "Artist - Title | Album (Year)", the album and year parts only when they are not empty.
QString TrackSummary(const MP3File &file);
