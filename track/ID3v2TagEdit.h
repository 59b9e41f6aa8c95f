#pragma once

#include "track/ID3v2FieldFrames.h"

#include <QByteArray>

#include <optional>
#include <vector>

// An ID3v2 tag's frames after an edit, and the start of the header they go under.
struct EditedID3v2Tag
{
    static constexpr qsizetype HeaderSize = 10;

    QByteArray headerStart; // "ID3", the version, its revision and the flags
    QByteArray frames;

    qsizetype neededSize() const { return HeaderSize + frames.size(); }
    // The tag in exactly completeSize bytes, at least neededSize(): zeros pad it after its
    // frames.
    QByteArray laidOut(qsizetype completeSize) const;
};

// The tag (header and all, as the file holds it; empty for a file without one, which gets a
// new 2.4 tag) with the frames of each changed field replaced by one frame of the typed text,
// or removed for an empty text. 2.3 and 2.4 tags are spliced: the other frames keep their
// bytes and their places, and a field's new frame takes the place of its first old one. A 2.2
// tag, or one whose whole frame area is unsynchronised or has an extended header or a footer,
// is parsed and rendered by TagLib instead, 2.2 as 2.3; a frame of it that is compressed or
// encrypted, which TagLib would inflate without bound or spoil, makes it one that is not
// edited. Nothing for that, and for a version this program does not know.
std::optional<EditedID3v2Tag> editID3v2Tag(const QByteArray &tag, const std::vector<FieldChange> &changes);
