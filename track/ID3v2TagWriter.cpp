#include "track/ID3v2TagWriter.h"

#include "platform/FileLookup.h"
#include "platform/RegularFile.h"
#include "track/GenreNames.h"
#include "track/ID3TagBlock.h"
#include "track/ID3TagTail.h"
#include "track/ID3v2Tag.h"
#include "track/ID3v2TagEdit.h"
#include "track/TrackNumber.h"

#include <QFileInfo>

#include <taglib/id3v2header.h>

#include <algorithm>

namespace {

// Room a grown tag gets past its frames, so that the next edit is written in place.
constexpr qsizetype kGrowthRoom = 2048;

// The complete size of the tag the file starts with (header, frames, padding, footer), 0 for
// none; nothing for one too big to edit, running past the audio's end, or whose size is no
// synchsafe number: where such a tag ends cannot be told.
std::optional<qint64> completeTagSize(RegularFile &file, qint64 audioEnd)
{
    const QByteArray header = file.readAt(0, EditedID3v2Tag::HeaderSize);
    if (!header.startsWith("ID3"))
        return 0;
    if (std::ranges::any_of(header.sliced(6), [](char byte) { return (byte & 0x80) != 0; }))
        return std::nullopt;
    const qint64 size
        = TagLib::ID3v2::Header(TagLib::ByteVector(header.constData(), unsigned(header.size()))).completeTagSize();
    if (size > ID3v2Tag::MaxReadBytes || size > audioEnd)
        return std::nullopt;
    return size;
}

std::optional<quint8> genreByteOf(const QString &name)
{
    if (name.isEmpty())
        return GenreNames::None;
    if (const std::optional<int> index = GenreNames::indexOf(name))
        return quint8(*index);
    return std::nullopt;
}

// The ID3v1 block of typed in place of old. A field the block cannot hold as typed (Greek,
// Japanese, a genre off the table) keeps what old held when the person left it as read, and is
// blank otherwise: never a row of "?" nobody typed.
ID3TagBlock id3v1BlockOf(const TagFields &asRead, const TagFields &typed, const ID3TagBlock &old)
{
    ID3TagBlock block = old;
    const auto set = [&](QString TagFields::*field, void (ID3TagBlock::*setter)(const QString &)) {
        const QString &text = typed.*field;
        if (std::ranges::all_of(text, &ID3TagBlock::canHold))
            (block.*setter)(text);
        else if (text != asRead.*field)
            (block.*setter)(QString());
    };
    set(&TagFields::Title, &ID3TagBlock::setTitle);
    set(&TagFields::Artist, &ID3TagBlock::setArtist);
    set(&TagFields::Album, &ID3TagBlock::setAlbum);
    set(&TagFields::Year, &ID3TagBlock::setYear);
    set(&TagFields::Comment, &ID3TagBlock::setComment);
    if (const std::optional<quint8> genre = genreByteOf(typed.Genre))
        block.setGenre(*genre);
    else if (typed.Genre != asRead.Genre)
        block.setGenre(GenreNames::None);
    // A track past 255 is one the block cannot hold either.
    if (typed.Track == asRead.Track)
        block.keepTrackOf(old);
    else if (const int track = trackNumber(typed.Track); track <= 255)
        block.setTrack(quint8(track));
    else
        block.setTrack(0);
    return block;
}

TagSaveOutcome outcomeOf(ReplaceOutcome replaced)
{
    switch (replaced) {
    case ReplaceOutcome::Replaced:
        return TagSaveOutcome::Replaced;
    case ReplaceOutcome::Refused:
        return TagSaveOutcome::Refused;
    case ReplaceOutcome::Failed:
        break;
    }
    return TagSaveOutcome::Failed;
}

// One write over the old tag's room; should it fail part way, the old tag is put back.
TagSaveOutcome writeInPlace(RegularFile &file, const QByteArray &tag, const QByteArray &oldTag)
{
    if (file.writeAt(0, tag) && file.syncData())
        return file.close() ? TagSaveOutcome::WrittenInPlace : TagSaveOutcome::Failed;
    if (file.writeAt(0, oldTag))
        file.syncData();
    return TagSaveOutcome::Failed;
}

} // namespace

TagSaveOutcome writeID3v2Tag(const QString &path, const TagFields &asRead, const TagFields &typed,
    const QString &recordPath, const FileReplaceCalls &calls)
{
    if (normalFileName(path).isEmpty())
        return TagSaveOutcome::Failed;
    // The file itself, not a link to it: a replace gives the new file this name.
    const QString filePath = QFileInfo(path).canonicalFilePath();
    RegularFile file = RegularFile::open(filePath, RegularFile::Access::ReadWrite);
    const auto tail = file.isOpen() ? readID3TagTail(file) : std::nullopt;
    if (!tail)
        return TagSaveOutcome::Failed;
    const qint64 audioEnd = tail->fileSize - (tail->hasBlock() ? ID3TagBlock::Size : 0);
    const std::optional<qint64> tagSize = completeTagSize(file, audioEnd);
    if (!tagSize)
        return TagSaveOutcome::Failed;
    const QByteArray oldTag = *tagSize > 0 ? file.readAt(0, *tagSize) : QByteArray();
    if (oldTag.size() != *tagSize)
        return TagSaveOutcome::Failed;

    // A new tag holds every field typed.
    const std::vector<FieldChange> changes = changedFields(oldTag.isEmpty() ? TagFields {} : asRead, typed);
    const std::optional<EditedID3v2Tag> edited = editID3v2Tag(oldTag, changes);
    if (!edited)
        return TagSaveOutcome::Failed;
    QByteArray block;
    if (tail->hasBlock())
        block = id3v1BlockOf(asRead, typed, *ID3TagBlock::fromBytes(tail->block())).bytes();
    const bool blockChanges = tail->hasBlock() && block != tail->block();
    if (changes.empty() && !blockChanges)
        return TagSaveOutcome::WrittenInPlace;

    const bool fits = edited->neededSize() <= *tagSize;
    if (fits && !blockChanges)
        return writeInPlace(file, edited->laidOut(*tagSize), oldTag);
    const QByteArray tag = changes.empty() ? oldTag
        : fits                             ? edited->laidOut(*tagSize)
                                           : edited->laidOut(edited->neededSize() + kGrowthRoom);
    return outcomeOf(replaceFileWith(filePath, file, {tag, *tagSize, audioEnd, block}, recordPath, calls));
}
