#pragma once

#include "track/ID3TagTail.h"

#include <QStringList>

#include <memory>
#include <optional>

class QThreadPool;

// Reads the tails of files on a pool's threads for a loop that takes them in order and reads
// those not yet begun itself: on cold media every read waits on the device, and many reads
// in flight take little longer than one; in memory, the loop and a reader share the work.
// Each read looks at the path first and opens only a regular file, without blocking.
// Destroying the prefetch never waits: reads not yet begun are dropped, and those in flight
// finish into state they own together with it.
class TagTailPrefetch
{
public:
    // The pool should run this many threads; on files already in memory one reads.
    static constexpr int ReadsInFlight = 16;

    TagTailPrefetch(QThreadPool &pool, QStringList paths);
    TagTailPrefetch(const TagTailPrefetch &) = delete;
    TagTailPrefetch &operator=(const TagTailPrefetch &) = delete;
    ~TagTailPrefetch();

    // The tail of paths[index], once for each index, waiting for its read when one is in
    // flight. Nothing when the read failed or has not begun; the caller then reads the file
    // itself.
    std::optional<PrefetchedTail> take(qsizetype index);

private:
    struct Reads;
    const std::shared_ptr<Reads> m_reads;
};
