#include "track/TagReading.h"

#include "platform/FileLookup.h"
#include "platform/RegularFile.h"
#include "track/ID3TagBlock.h"
#include "track/ID3v2Tag.h"
#include "track/TagInference.h"
#include "track/TextUpToNul.h"

namespace {

using Outcome = TagReading::Outcome;
using TagSource = TagReading::TagSource;

TagReading guessed(const QString &path)
{
    return {Outcome::Read, GuessTagsFromFileName(path), TagSource::FileName};
}

// The tags of the file that ends in tail: its ID3v1 block, else guessed from its path.
TagReading readTail(const ID3TagTail &tail, const QString &path)
{
    if (!tail.hasBlock())
        return guessed(path);
    return {Outcome::Read, ID3TagBlock::fromBytes(tail.block())->toTagFields(), TagSource::ID3v1Block};
}

// A tag without either says nothing a name is built from: a blank one must not hide the
// other tag of the file.
bool namesTheTrack(const TagFields &tags)
{
    return !fieldText(tags.Title).isEmpty() || !fieldText(tags.Artist).isEmpty();
}

} // namespace

// Runs for every listed file, so it looks at each character once instead of searching
// three times.
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

TagReading readTags(const QString &path, bool readsID3v2, const std::optional<PrefetchedTail> &prefetched)
{
    if (!hasMP3Extension(path))
        return {};
    // Without ID3v2 tags the tail decides, and one read from the very version of the file
    // that the path names now needs no open: a look at the entry tells.
    if (!readsID3v2 && prefetched && lookUpEntry(path).version == prefetched->version)
        return readTail(prefetched->tail, path);
    // One look serves both the check and the open.
    const FileEntry entry = FileEntry::lookUp(path);
    if (entry.kind() != EntryKind::RegularFile)
        return {};
    if (entry.size() < ID3TagBlock::Size && !readsID3v2)
        return guessed(path);
    RegularFile file = entry.open(RegularFile::Access::Read);
    if (!file.isOpen())
        return {Outcome::Unreadable, {}};
    // Players show the ID3v2 tag first; its header is all a file without one costs.
    if (auto tags = readsID3v2 ? ID3v2Tag::read(file) : std::nullopt; tags && namesTheTrack(*tags))
        return {Outcome::Read, *std::move(tags), TagSource::ID3v2Tag};
    if (prefetched && prefetched->version == file.version())
        return readTail(prefetched->tail, path);
    const auto tail = readID3TagTail(file);
    if (!tail)
        return {Outcome::Unreadable, {}};
    return readTail(*tail, path);
}
