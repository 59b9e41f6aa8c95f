#pragma once

#include <QByteArray>
#include <QString>

#include <functional>

#include <sys/types.h>

class RegularFile;

// The kernel calls a replace is made of. Each returns what the system call of its name
// returns, with errno set on failure; tests put in failing or killing ones to reach every
// step.
struct FileReplaceCalls
{
    std::function<int(const char *path, int flags, mode_t mode)> open;
    std::function<ssize_t(int fd, const void *data, size_t size, off_t offset)> pwrite;
    std::function<int(int fd, uid_t owner, gid_t group)> fchown;
    std::function<int(int fd, mode_t mode)> fchmod;
    std::function<int(int fd)> fsync;
    std::function<int(int fd)> close;
    std::function<int(const char *from, const char *to)> rename;
    std::function<int(const char *path)> unlink;

    static const FileReplaceCalls &kernel();
};

// What a file is written afresh with: head, then the original's bytes from keptFrom up to
// keptTo, then tail.
struct ReplacementContents
{
    QByteArray head;
    qint64 keptFrom = 0;
    qint64 keptTo = 0;
    QByteArray tail;
};

enum class ReplaceOutcome {
    Replaced, // the new file has the original's name
    Refused, // the original cannot be replaced here without losing something; untouched
    Failed, // the new file could not be written, or the original changed meanwhile; untouched
};

// Writes contents into a hidden temporary file in the folder of original, which was opened
// from path, with its owner, group and mode, flushes it and renames it over path. A file
// with other hard links, one whose owner or group cannot be kept, and a volume that refuses
// the rename are refused. The temporary file's path is recorded at recordPath, flushed,
// before the file is created, and the record is removed once the file is gone or renamed: a
// program killed at any instant leaves the original or the new file under path, whole, and
// at most a temporary file that removeStrandedReplacement finds.
ReplaceOutcome replaceFileWith(const QString &path, RegularFile &original, const ReplacementContents &contents,
    const QString &recordPath, const FileReplaceCalls &calls = FileReplaceCalls::kernel());

// Removes the temporary file a replace killed part way left behind, as the record at
// recordPath names it, and the record. Only a regular file at exactly the recorded path
// whose name is one replaceFileWith gives is removed, never anything else.
void removeStrandedReplacement(const QString &recordPath);
