#include "track/TagTailPrefetch.h"

#include "platform/RegularFile.h"

#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <vector>

struct TagTailPrefetch::Reads : std::enable_shared_from_this<Reads>
{
    // In memory, one reader takes the files from the last one back while the loop goes from
    // the first one on and reads itself each file that no reader has begun: the two meet part
    // way, with every file read once and neither side idle. Once a file is found not to be in
    // memory, all readers take the files from the first one on instead, in the order they lie
    // on the device. A file's read goes from Waiting to Reading to Done on a pool thread, or
    // from Waiting to Taken by the loop; the loop waits only for a read in flight, never for
    // a pool thread that may not be running.
    enum class Step { Waiting, Reading, Done, Taken };

    Reads(QThreadPool &pool, QStringList paths)
        : pool(pool)
        , paths(std::move(paths))
        , steps(this->paths.size())
        , tails(this->paths.size())
        , nextFromLast(this->paths.size() - 1)
    { }

    void startReaders(qsizetype count)
    {
        for (qsizetype r = 0; r < count; ++r)
            pool.start([reads = shared_from_this()] { reads->readAll(); });
    }

    // One reader starts. It starts the others only once a file's tail is not in memory: on
    // cold media they make the reads overlap, on files in memory they would only take the
    // processor from the loop.
    std::optional<PrefetchedTail> readTail(qsizetype index, qsizetype readsSoFar)
    {
        RegularFile file = RegularFile::openForReadingUnpinned(paths[index]);
        if (!file.isOpen())
            return std::nullopt;
        if (readsSoFar % CacheCheckInterval == 0 && !cold && !isID3TagTailCached(file) && !cold.exchange(true))
            startReaders(std::min<qsizetype>(ReadsInFlight, paths.size()) - 1);
        auto tail = readID3TagTail(file);
        if (!tail)
            return std::nullopt;
        return PrefetchedTail {file.version(), std::move(*tail)};
    }

    // Runs on a pool thread: reads files not yet claimed until none is left. Going back, it
    // stops at a file the loop has taken, as the loop has taken every file before it too.
    void readAll()
    {
        for (qsizetype reads = 0; !dropped; ++reads) {
            const bool forwards = cold;
            const qsizetype i = forwards ? nextFromFirst++ : nextFromLast--;
            if (i < 0 || i >= paths.size())
                return;
            Step waiting = Step::Waiting;
            if (!steps[i].compare_exchange_strong(waiting, Step::Reading)) {
                if (forwards)
                    continue;
                return;
            }
            tails[i] = readTail(i, reads);
            steps[i].store(Step::Done, std::memory_order_release);
            steps[i].notify_one();
        }
    }

    // Whether the files are in memory is asked of every so many, not of each: the question
    // costs a system call.
    static constexpr qsizetype CacheCheckInterval = 16;

    // Outlives every reader: its end waits for them.
    QThreadPool &pool;
    // Read only: shared by the threads without locking.
    const QStringList paths;
    std::vector<std::atomic<Step>> steps;
    // tails[i] is written by the thread that moved steps[i] to Reading, and read by the loop
    // only once it saw Done.
    std::vector<std::optional<PrefetchedTail>> tails;
    std::atomic<qsizetype> nextFromFirst = 0;
    std::atomic<qsizetype> nextFromLast;
    std::atomic<bool> dropped = false;
    // Set once a file was not in memory: from then on every reader runs and goes forwards.
    std::atomic<bool> cold = false;
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
    std::atomic<Reads::Step> &step = m_reads->steps[index];
    auto seen = Reads::Step::Waiting;
    if (step.compare_exchange_strong(seen, Reads::Step::Taken))
        return std::nullopt;
    step.wait(Reads::Step::Reading, std::memory_order_acquire);
    return std::move(m_reads->tails[index]);
}
