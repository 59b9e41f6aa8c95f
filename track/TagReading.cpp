#include "track/TagReading.h"

#include "platform/FileLookup.h"
#include "platform/RegularFile.h"
#include "track/ID3TagBlock.h"
#include "track/ID3v2Tag.h"
#include "track/TagInference.h"

namespace {

using Outcome = TagReading::Outcome;

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
    // A tail read from the very version of the file that the path names now needs no open:
    // a look at the entry tells. Without an ID3v1 block in it, an ID3v2 tag is read from the
    // file itself.
    const bool decides = prefetched && (prefetched->tail.hasBlock() || !readsID3v2);
    if (decides && lookUpEntry(path).version == prefetched->version)
        return {Outcome::Read, tagsOf(prefetched->tail, path, nullptr)};
    // One look serves both the check and the open.
    const FileEntry entry = FileEntry::lookUp(path);
    if (entry.kind() != EntryKind::RegularFile)
        return {};
    if (entry.size() < ID3TagBlock::Size && !readsID3v2)
        return {Outcome::Read, GuessTagsFromFileName(path)};
    RegularFile file = entry.open(RegularFile::Access::Read);
    const auto tail = file.isOpen() ? readID3TagTail(file) : std::nullopt;
    if (!tail)
        return {Outcome::Unreadable, {}};
    return {Outcome::Read, tagsOf(*tail, path, readsID3v2 ? &file : nullptr)};
}
