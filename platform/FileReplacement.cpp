#include "platform/FileReplacement.h"

#include "platform/FileLookup.h"
#include "platform/RegularFile.h"
#include "platform/RenameWithoutReplacing.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <optional>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr qint64 kCopyChunk = 1024 * 1024;
// What temporaryNameFor puts before its random part.
constexpr QStringView kMark = u"~sorvane-";

// Hidden, so that the listing passes it over, and marked as this program's own, so that only
// such a name is ever removed as stranded. The original's name stays in it where it fits.
QString replacementNameFor(const QString &name)
{
    const QString named = u"."_s + temporaryNameFor(name);
    return QFile::encodeName(named).size() <= NAME_MAX ? named : u"."_s + temporaryNameFor(QString());
}

bool isReplacementName(const QString &name)
{
    const qsizetype mark = name.lastIndexOf(kMark);
    const QStringView suffix = QStringView(name).sliced(mark < 0 ? name.size() : mark + kMark.size());
    return name.startsWith(u'.') && mark > 0 && !suffix.isEmpty()
        && std::ranges::all_of(suffix, [](QChar c) { return (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z'); });
}

// A descriptor opened through the calls, closed through them when the object goes.
class Descriptor
{
public:
    Descriptor(const FileReplaceCalls &calls, const QByteArray &path, int flags, mode_t mode = 0)
        : m_calls(calls)
        , m_fd(calls.open(path.constData(), flags | O_CLOEXEC, mode))
    { }
    Descriptor(const Descriptor &) = delete;
    Descriptor &operator=(const Descriptor &) = delete;
    ~Descriptor()
    {
        if (m_fd >= 0)
            m_calls.close(m_fd);
    }

    bool isOpen() const { return m_fd >= 0; }
    int fd() const { return m_fd; }
    // Linux releases the descriptor even when close reports an error: never retried.
    bool close() { return m_calls.close(std::exchange(m_fd, -1)) == 0; }

private:
    const FileReplaceCalls &m_calls;
    int m_fd;
};

bool writeAll(const FileReplaceCalls &calls, int fd, qint64 offset, QByteArrayView data)
{
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t n = calls.pwrite(fd, data.data() + done, size_t(data.size() - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

// A new entry in folder, and a rename in it, last through a power cut only once the folder
// itself is flushed.
bool syncFolder(const FileReplaceCalls &calls, const QString &folder)
{
    Descriptor directory(calls, QFile::encodeName(folder.isEmpty() ? u"."_s : folder), O_RDONLY | O_DIRECTORY);
    return directory.isOpen() && calls.fsync(directory.fd()) == 0 && directory.close();
}

// The record names the temporary file before it exists, so that a program killed at any
// later instant leaves it findable. Its line break tells a whole record from one cut short.
bool writeRecord(const FileReplaceCalls &calls, const QString &recordPath, const QByteArray &temporaryPath)
{
    const QString folder = QFileInfo(recordPath).path();
    if (!QDir().mkpath(folder))
        return false;
    removeStrandedReplacement(recordPath);
    Descriptor record(calls, QFile::encodeName(recordPath), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW, 0600);
    return record.isOpen() && writeAll(calls, record.fd(), 0, temporaryPath + '\n') && calls.fsync(record.fd()) == 0
        && record.close() && syncFolder(calls, folder);
}

bool writeContents(const FileReplaceCalls &calls, int fd, RegularFile &original, const ReplacementContents &contents)
{
    qint64 offset = 0;
    const auto append = [&](QByteArrayView bytes) {
        const bool written = writeAll(calls, fd, offset, bytes);
        offset += bytes.size();
        return written;
    };
    if (!append(contents.head))
        return false;
    for (qint64 from = contents.keptFrom; from < contents.keptTo; from += kCopyChunk) {
        const qint64 length = std::min(kCopyChunk, contents.keptTo - from);
        const QByteArray chunk = original.readAt(from, length);
        if (chunk.size() != length || !append(chunk))
            return false;
    }
    return append(contents.tail);
}

// Gives the new file the original's owner, group and mode; only calls what changes, since a
// volume without owners (FAT) refuses even a change to what it already shows.
bool keepOwnerAndMode(const FileReplaceCalls &calls, int fd, const struct stat &wanted)
{
    struct stat made
    {
    };
    if (::fstat(fd, &made) != 0)
        return false;
    if (made.st_uid != wanted.st_uid || made.st_gid != wanted.st_gid) {
        const uid_t owner = made.st_uid != wanted.st_uid ? wanted.st_uid : uid_t(-1);
        const gid_t group = made.st_gid != wanted.st_gid ? wanted.st_gid : gid_t(-1);
        if (calls.fchown(fd, owner, group) != 0)
            return false;
    }
    const mode_t mode = wanted.st_mode & 07777;
    return (made.st_mode & 07777) == mode || calls.fchmod(fd, mode) == 0;
}

// Creates the temporary file and fills it with contents as the original's owner, group and
// mode would have it, flushed and closed: nothing when it is ready to take the original's
// place, else why not, with what was created of it removed.
std::optional<ReplaceOutcome> writeTemporaryFile(const FileReplaceCalls &calls, const QByteArray &temporary,
    RegularFile &original, const ReplacementContents &contents, const struct stat &wanted)
{
    std::optional<ReplaceOutcome> stopped;
    {
        Descriptor file(calls, temporary, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW, 0600);
        // A folder this program may not add to is one it cannot replace the file in.
        if (!file.isOpen())
            return errno == EACCES || errno == EPERM || errno == EROFS ? ReplaceOutcome::Refused
                                                                       : ReplaceOutcome::Failed;
        if (!keepOwnerAndMode(calls, file.fd(), wanted))
            stopped = ReplaceOutcome::Refused;
        else if (!(writeContents(calls, file.fd(), original, contents) && calls.fsync(file.fd()) == 0 && file.close()))
            stopped = ReplaceOutcome::Failed;
    }
    if (stopped)
        calls.unlink(temporary.constData());
    return stopped;
}

} // namespace

const FileReplaceCalls &FileReplaceCalls::kernel()
{
    static const FileReplaceCalls calls {
        [](const char *path, int flags, mode_t mode) { return ::open(path, flags, mode); },
        [](int fd, const void *data, size_t size, off_t offset) { return ::pwrite(fd, data, size, offset); },
        [](int fd, uid_t owner, gid_t group) { return ::fchown(fd, owner, group); },
        [](int fd, mode_t mode) { return ::fchmod(fd, mode); },
        [](int fd) { return ::fsync(fd); },
        [](int fd) { return ::close(fd); },
        [](const char *from, const char *to) { return ::rename(from, to); },
        [](const char *path) { return ::unlink(path); },
    };
    return calls;
}

ReplaceOutcome replaceFileWith(const QString &path, RegularFile &original, const ReplacementContents &contents,
    const QString &recordPath, const FileReplaceCalls &calls)
{
    const auto target = nativePath(path);
    struct stat wanted
    {
    };
    if (!target || ::stat(target->constData(), &wanted) != 0 || wanted.st_dev != original.version().device
        || wanted.st_ino != original.version().inode)
        return ReplaceOutcome::Failed;
    // Its other names would go on showing the old file.
    if (wanted.st_nlink > 1)
        return ReplaceOutcome::Refused;

    const QString folder = folderOf(path);
    const QByteArray temporary = QFile::encodeName(folder + replacementNameFor(fileNameOf(path)));
    const QByteArray record = QFile::encodeName(recordPath);
    std::optional<ReplaceOutcome> stopped = writeRecord(calls, recordPath, temporary)
        ? writeTemporaryFile(calls, temporary, original, contents, wanted)
        : ReplaceOutcome::Failed;
    if (!stopped) {
        // Whatever another program wrote into the original meanwhile would be lost.
        if (lookUpEntry(path, Links::NotFollowed).version != original.version())
            stopped = ReplaceOutcome::Failed;
        else if (calls.rename(temporary.constData(), target->constData()) != 0)
            stopped = ReplaceOutcome::Refused;
        if (stopped)
            calls.unlink(temporary.constData());
        else
            syncFolder(calls, folder);
    }
    calls.unlink(record.constData());
    return stopped.value_or(ReplaceOutcome::Replaced);
}

void removeStrandedReplacement(const QString &recordPath)
{
    RegularFile record = RegularFile::open(recordPath, RegularFile::Access::Read);
    if (!record.isOpen())
        return;
    const QByteArray bytes = record.size() <= PATH_MAX ? record.readAt(0, record.size()) : QByteArray();
    record.close();
    if (bytes.endsWith('\n')) {
        const QString stranded = QFile::decodeName(bytes.chopped(1));
        if (QDir::isAbsolutePath(stranded) && isReplacementName(fileNameOf(stranded))
            && lookUpEntry(stranded, Links::NotFollowed).kind == EntryKind::RegularFile)
            removeFile(stranded);
    }
    removeFile(recordPath);
}
