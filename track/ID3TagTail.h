#pragma once

#include "platform/RegularFile.h"

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

// The end of a file, as much of it as decides whether the file ends in an ID3v1 block.
// Reader and writer both go by it, so a block the reader does not see is never overwritten.
struct ID3TagTail
{
    // The block plus the three bytes before it: "APETAGEX" 131 bytes from the end puts
    // its "TAG" where an ID3v1 block would start, and such a file has none.
    static constexpr qsizetype Size = 131;

    qint64 fileSize = 0;
    QByteArray bytes; // the last min(fileSize, Size) bytes

    bool hasBlock() const;
    // The last 128 bytes; meaningful when hasBlock().
    QByteArrayView block() const;
};

// A tail read earlier, with the version of the file it was read from.
struct PrefetchedTail
{
    FileVersion version;
    ID3TagTail tail;
};

// Nothing when the file's last bytes cannot be read.
std::optional<ID3TagTail> readID3TagTail(RegularFile &file);
// Whether reading the file's tail would not wait for the device.
bool isID3TagTailCached(RegularFile &file);
