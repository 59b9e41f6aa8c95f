#include "track/MP3File.h"

#include "platform/FileLookup.h"
#include "platform/RegularFile.h"
#include "track/ID3TagBlock.h"
#include "track/ID3v2Tag.h"
#include "track/SpaceTrim.h"
#include "track/TagInference.h"

namespace {

// ".mp3", ".mp2" or ".mp1" anywhere in the path, in any case. Runs for every listed file,
// so it looks at each character once instead of searching three times.
bool hasMP3Extension(QStringView path)
{
    const auto lower = [](QChar c) { return QChar(c.unicode() | 0x20); };
    for (qsizetype i = 0; i + 3 < path.size(); ++i) {
        if (path[i] == u'.' && lower(path[i + 1]) == u'm' && lower(path[i + 2]) == u'p' && path[i + 3] >= u'1'
            && path[i + 3] <= u'3')
            return true;
    }
    return false;
}

// The tags of the file that ends in tail: its ID3v1 block; else the ID3v2 tag of id3v2Source,
// when given; else guessed from its path.
TagFields tagsOf(const ID3TagTail &tail, const QString &path, RegularFile *id3v2Source)
{
    if (tail.hasBlock())
        return ID3TagBlock::fromBytes(tail.block())->toTagFields();
    if (auto tags = id3v2Source ? ID3v2Tag::read(*id3v2Source) : std::nullopt)
        return *std::move(tags);
    return GuessTagsFromFileName(path);
}

} // namespace

bool IsMP3File(const QString &path)
{
    return hasMP3Extension(path) && entryKindOf(path) == EntryKind::RegularFile;
}

bool MP3File::setFileName(const QString &path)
{
    return setFileName(path, std::nullopt);
}

bool MP3File::setFileName(const QString &path, const std::optional<PrefetchedTail> &prefetched)
{
    m_fileName = path;
    if (!hasMP3Extension(path))
        return true;
    // A tail read from the very version of the file that the path names now needs no open:
    // a look at the entry tells. Without an ID3v1 block in it, an ID3v2 tag is read from the
    // file itself.
    const bool decides = prefetched && (prefetched->tail.hasBlock() || !m_readsID3v2);
    if (decides && lookUpEntry(path).version == prefetched->version) {
        m_tags = tagsOf(prefetched->tail, path, nullptr);
        return true;
    }
    // One look serves both the check and the open.
    const FileEntry entry = FileEntry::lookUp(path);
    if (entry.kind() != EntryKind::RegularFile)
        return true;
    if (entry.size() < ID3TagBlock::Size && !m_readsID3v2) {
        m_tags = GuessTagsFromFileName(path);
        return true;
    }
    RegularFile file = entry.open(RegularFile::Access::Read);
    const auto tail = file.isOpen() ? readID3TagTail(file) : std::nullopt;
    if (!tail) {
        TagFields unread;
        unread.Genre = m_tags.Genre;
        m_tags = unread;
        return false;
    }
    m_tags = tagsOf(*tail, path, m_readsID3v2 ? &file : nullptr);
    return true;
}

QString MP3File::Title() const
{
    return trimSpaces(m_tags.Title);
}
QString MP3File::Artist() const
{
    return trimSpaces(m_tags.Artist);
}
QString MP3File::Album() const
{
    return trimSpaces(m_tags.Album);
}
QString MP3File::Year() const
{
    return trimSpaces(m_tags.Year);
}
QString MP3File::Comment() const
{
    return trimSpaces(m_tags.Comment);
}
QString MP3File::Genre() const
{
    return trimSpaces(m_tags.Genre);
}
