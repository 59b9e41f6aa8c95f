#pragma once

#include <QString>

class ID3TagBlock;

// Whether a block written over another takes the old block's ID3v1.1 track number, where
// its comment leaves room for it, or holds the track it states itself.
enum class OldTrackNumber { Kept, Replaced };

// Writes block as the file's ID3v1 block: over the block the file ends in, or appended when
// it has none. Returns true only when all 128 bytes reached the disk. It never creates,
// truncates or half-writes a file: a path that is not an ordinary file (hidden, missing,
// a directory, FIFO or device) is refused before anything is opened, and a write that fails
// part way puts back the bytes or the length the file had.
bool WriteID3Tag(const QString &path, const ID3TagBlock &block, OldTrackNumber oldTrack = OldTrackNumber::Kept);

// The same with the block built from the values, each text cut or padded to its width, and
// the old block's track number kept.
bool WriteID3TagFields(const QString &path, const QString &artist, const QString &title, const QString &album,
    const QString &comment, const QString &year, quint8 genre);
