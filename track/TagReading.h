#pragma once

#include "track/ID3TagTail.h"
#include "track/TagFields.h"

#include <QString>

#include <optional>

// What reading the tags of one path found.
struct TagReading
{
    enum class Outcome {
        NotAnMP3File, // no ".mp3", ".mp2" or ".mp1" in the path, or no regular file there
        Unreadable, // a regular MP3 file whose end could not be read
        Read,
    };

    Outcome outcome = Outcome::NotAnMP3File;
    // Meaningful when Read.
    TagFields tags;
};

// ".mp3", ".mp2" or ".mp1" anywhere in the path, in any case.
bool hasMP3Extension(QStringView path);

// The tags of the file at path: from its ID3v1 block; else, when readsID3v2, from its ID3v2
// tag; else guessed from the path. The tail in prefetched is taken instead of reading the
// file's end when the file is still the version it was read from.
TagReading readTags(const QString &path, bool readsID3v2, const std::optional<PrefetchedTail> &prefetched = {});
