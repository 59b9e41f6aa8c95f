#include "track/TagTailPrefetch.h"

#include "platform/FileLookup.h"

#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <vector>

struct TagTailPrefetch::Reads : std::enable_shared_from_this<Reads>
{
    // Each file's read goes from Waiting to Reading to Done on a pool thread. The loop marks
    // it Taken: it takes the tail when Done and reads the file itself otherwise, which never
    // makes it wait for a pool thread that is not running. A read still in flight then goes
    // on to its end, unused; on cold media both wait for the same read of the device.
    enum class Step { Waiting, Reading, Done, Taken };

    Reads(QThreadPool &pool, QStringList paths)
        : pool(pool)
        , paths(std::move(paths))
        , steps(this->paths.size())
        , tails(this->paths.size())
    { }

    void startReaders(qsizetype count)
    {
        for (qsizetype r = 0; r < count; ++r)
            pool.start([reads = shared_from_this()] { reads->readAhead(); });
    }

    // One reader starts. It starts the others only once a file's tail is not in memory: on
    // cold media they make the reads overlap, on files in memory they would only take the
    // processor from the loop.
    std::optional<PrefetchedTail> readTail(qsizetype index)
    {
        const QString &path = paths[index];
        const FileEntry entry = FileEntry::lookUp(path);
        if (entry.kind() != EntryKind::RegularFile)
            return std::nullopt;
        RegularFile file = entry.open(RegularFile::Access::Read);
        if (!file.isOpen())
            return std::nullopt;
        if (index % CacheCheckInterval == 0 && !allReading && !isID3TagTailCached(file) && !allReading.exchange(true))
            startReaders(std::min<qsizetype>(ReadsInFlight, paths.size()) - 1);
        auto tail = readID3TagTail(file);
        if (!tail)
            return std::nullopt;
        return PrefetchedTail {entry.version(), std::move(*tail)};
    }

    // Runs on a pool thread: reads the next file not yet claimed until none is left.
    void readAhead()
    {
        for (qsizetype i = next++; i < paths.size() && !dropped; i = next++) {
            Step waiting = Step::Waiting;
            if (!steps[i].compare_exchange_strong(waiting, Step::Reading))
                continue;
            tails[i] = readTail(i);
            Step reading = Step::Reading;
            steps[i].compare_exchange_strong(reading, Step::Done, std::memory_order_release);
        }
    }

    // Whether the files are in memory is asked of every so many, not of each: the question
    // costs a system call, and the one reader must stay ahead of the loop.
    static constexpr qsizetype CacheCheckInterval = 16;

    // Outlives every reader: its end waits for them.
    QThreadPool &pool;
    // Read only: shared by the threads without locking.
    const QStringList paths;
    std::vector<std::atomic<Step>> steps;
    // tails[i] is written by the thread that moved steps[i] to Reading, and read by the loop
    // only once it saw Done.
    std::vector<std::optional<PrefetchedTail>> tails;
    std::atomic<qsizetype> next = 0;
    std::atomic<bool> dropped = false;
    std::atomic<bool> allReading = false;
};

TagTailPrefetch::TagTailPrefetch(QThreadPool &pool, QStringList paths)
    : m_reads(std::make_shared<Reads>(pool, std::move(paths)))
{
    if (!m_reads->paths.isEmpty())
        m_reads->startReaders(1);
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
