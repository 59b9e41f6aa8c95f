#include "track/ID3TagWriter.h"

#include "platform/FileLookup.h"
#include "platform/RegularFile.h"
#include "track/ID3TagBlock.h"
#include "track/ID3TagTail.h"

namespace {

// Writes the block at offset; on failure restores what was there before: the old length
// after an append, the old block after an overwrite.
bool writeOrRestore(RegularFile &file, const ID3TagTail &tail, qint64 offset, QByteArrayView block)
{
    if (file.writeAt(offset, block) && file.syncData())
        return true;
    const bool restored = tail.hasBlock() ? file.writeAt(offset, tail.block()) : file.resize(tail.fileSize);
    if (restored)
        file.syncData();
    return false;
}

} // namespace

bool WriteID3Tag(const QString &path, const ID3TagBlock &block, OldTrackNumber oldTrack)
{
    if (normalFileName(path).isEmpty())
        return false;
    RegularFile file = RegularFile::open(path, RegularFile::Access::ReadWrite);
    if (!file.isOpen())
        return false;
    const auto tail = readID3TagTail(file);
    if (!tail)
        return false;
    ID3TagBlock replacement = block;
    qint64 offset = tail->fileSize;
    if (tail->hasBlock()) {
        offset -= ID3TagBlock::Size;
        if (oldTrack == OldTrackNumber::Kept)
            replacement.keepTrackOf(*ID3TagBlock::fromBytes(tail->block()));
    }
    const bool written = writeOrRestore(file, *tail, offset, replacement.bytes());
    return file.close() && written;
}

bool WriteID3TagFields(const QString &path, const QString &artist, const QString &title, const QString &album,
    const QString &comment, const QString &year, quint8 genre)
{
    ID3TagBlock block;
    block.setTitle(title);
    block.setArtist(artist);
    block.setAlbum(album);
    block.setYear(year);
    block.setComment(comment);
    block.setGenre(genre);
    return WriteID3Tag(path, block);
}
