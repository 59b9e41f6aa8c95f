#include "track/TagTailPrefetch.h"

#include "platform/FileLookup.h"

#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <vector>

namespace {

std::optional<PrefetchedTail> readTail(const QString &path)
{
    const FileEntry entry = FileEntry::lookUp(path);
    if (entry.kind() != EntryKind::RegularFile)
        return std::nullopt;
    auto tail = readID3TagTail(entry);
    if (!tail)
        return std::nullopt;
    return PrefetchedTail {entry.version(), std::move(*tail)};
}

} // namespace

struct TagTailPrefetch::Reads
{
    // Each file's read goes from Waiting to Reading to Done on a pool thread. The loop marks
    // it Taken: it takes the tail when Done and reads the file itself otherwise, which never
    // makes it wait for a pool thread that is not running. A read still in flight then goes
    // on to its end, unused; on cold media both wait for the same read of the device.
    enum class Step { Waiting, Reading, Done, Taken };

    explicit Reads(QStringList paths)
        : paths(std::move(paths))
        , steps(this->paths.size())
        , tails(this->paths.size())
    { }

    // Runs on a pool thread: reads the next file not yet claimed until none is left.
    void readAhead()
    {
        for (qsizetype i = next++; i < paths.size() && !dropped; i = next++) {
            Step waiting = Step::Waiting;
            if (!steps[i].compare_exchange_strong(waiting, Step::Reading))
                continue;
            tails[i] = readTail(paths[i]);
            Step reading = Step::Reading;
            steps[i].compare_exchange_strong(reading, Step::Done, std::memory_order_release);
        }
    }

    // Read only: shared by the threads without locking.
    const QStringList paths;
    std::vector<std::atomic<Step>> steps;
    // tails[i] is written by the thread that moved steps[i] to Reading, and read by the loop
    // only once it saw Done.
    std::vector<std::optional<PrefetchedTail>> tails;
    std::atomic<qsizetype> next = 0;
    std::atomic<bool> dropped = false;
};

TagTailPrefetch::TagTailPrefetch(QThreadPool &pool, QStringList paths)
    : m_reads(std::make_shared<Reads>(std::move(paths)))
{
    const qsizetype readers = std::min<qsizetype>(ReadsInFlight, m_reads->paths.size());
    for (qsizetype r = 0; r < readers; ++r)
        pool.start([reads = m_reads] { reads->readAhead(); });
}

TagTailPrefetch::~TagTailPrefetch()
{
    m_reads->dropped = true;
}

std::optional<PrefetchedTail> TagTailPrefetch::take(qsizetype index)
{
    if (m_reads->steps[index].exchange(Reads::Step::Taken) != Reads::Step::Done)
        return std::nullopt;
    return std::move(m_reads->tails[index]);
}
