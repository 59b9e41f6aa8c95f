#pragma once

#include "track/TagFields.h"

#include <QString>
#include <QtGlobal>

#include <optional>

class RegularFile;

// The ID3v2 tag at the start of a file (versions 2.2 to 2.4), read with TagLib.
namespace ID3v2Tag {

// Tags bigger than this (a few large pictures) are read only this far: the frames past it
// are not seen.
inline constexpr qint64 MaxReadBytes = 16 * 1024 * 1024;

// The fields of the file's ID3v2 tag, untrimmed and at their full length: title (TIT2),
// artist (TPE1), album (TALB), year (the first four characters of TDRC, or TYER), comment
// (the first COMM frame without a description), genre (TCON, its number turned into its
// name) and track (TRCK, as it stands). Nothing when the file starts with no such tag, or
// its tag holds none of these fields.
std::optional<TagFields> read(RegularFile &file);

} // namespace ID3v2Tag

// Whether the file at path begins with an ID3v2 header, the tag players show first. False
// also when it cannot be read.
bool startsWithID3v2Tag(const QString &path);
