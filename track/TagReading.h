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
    enum class TagSource { ID3v1Block, ID3v2Tag, FileName };

    Outcome outcome = Outcome::NotAnMP3File;
    // Meaningful when Read.
    TagFields tags;
    TagSource source = TagSource::FileName;
};

// ".mp3", ".mp2" or ".mp1" anywhere in the path, in any case.
bool hasMP3Extension(QStringView path);

// The tags of the file at path. When readsID3v2, from its ID3v2 tag if that holds a title or
// an artist, as players read it first; else from its ID3v1 block; else guessed from the path.
// The tail in prefetched is taken instead of reading the file's end when the file is still
// the version it was read from.
TagReading readTags(const QString &path, bool readsID3v2, const std::optional<PrefetchedTail> &prefetched = {});
