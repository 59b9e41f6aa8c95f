#include "platform/RegularFile.h"

#include "platform/FileLookup.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/uio.h>
#include <unistd.h>

#include <utility>

namespace {

// Why an entry of this kind may not be opened for access, or 0 when it may.
int refusalOf(mode_t mode, RegularFile::Access access)
{
    if (S_ISDIR(mode))
        return EISDIR;
    if (!S_ISREG(mode))
        return EINVAL;
    // A file nobody may write is read-only to us too, also when root could write it.
    if (access == RegularFile::Access::ReadWrite && (mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return EACCES;
    return 0;
}

} // namespace

FileEntry FileEntry::lookUp(const QString &path)
{
    FileEntry entry;
    const auto native = nativePath(path);
    if (!native) {
        entry.m_error = ENOENT;
        return entry;
    }
    entry.m_fd = ::open(native->constData(), O_PATH | O_CLOEXEC);
    struct stat info
    {
    };
    if (entry.m_fd < 0 || ::fstat(entry.m_fd, &info) != 0) {
        entry.m_error = errno;
        return entry;
    }
    entry.m_mode = info.st_mode;
    entry.m_version = fileVersionOf(info);
    return entry;
}

FileEntry::FileEntry(FileEntry &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
    , m_error(other.m_error)
    , m_mode(other.m_mode)
    , m_version(other.m_version)
{ }

FileEntry::~FileEntry()
{
    if (m_fd >= 0)
        ::close(m_fd);
}

EntryKind FileEntry::kind() const
{
    return m_error != 0 ? EntryKind::Missing : entryKindOfMode(m_mode);
}

RegularFile FileEntry::open(RegularFile::Access access) const
{
    RegularFile file;
    file.m_error = m_error != 0 ? m_error : refusalOf(m_mode, access);
    if (file.m_error != 0)
        return file;
    const QByteArray thisEntry = "/proc/self/fd/" + QByteArray::number(m_fd);
    const int flags = (access == RegularFile::Access::Read ? O_RDONLY : O_RDWR) | O_CLOEXEC;
    file.m_fd = ::open(thisEntry.constData(), flags);
    if (file.m_fd < 0)
        file.m_error = errno;
    else
        file.m_version = m_version;
    return file;
}

RegularFile RegularFile::open(const QString &path, Access access)
{
    return FileEntry::lookUp(path).open(access);
}

RegularFile RegularFile::openForReadingUnpinned(const QString &path)
{
    RegularFile file;
    const auto native = nativePath(path);
    struct stat looked = {};
    struct stat opened = {};
    if (!native || ::stat(native->constData(), &looked) != 0) {
        file.m_error = native ? errno : ENOENT;
        return file;
    }
    file.m_error = refusalOf(looked.st_mode, Access::Read);
    if (file.m_error != 0)
        return file;
    file.m_fd = ::open(native->constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    if (file.m_fd < 0 || ::fstat(file.m_fd, &opened) != 0) {
        file.fail();
        file.close();
        return file;
    }
    if (opened.st_dev != looked.st_dev || opened.st_ino != looked.st_ino || !S_ISREG(opened.st_mode)) {
        file.close();
        file.m_error = EAGAIN;
        return file;
    }
    file.m_version = fileVersionOf(opened);
    return file;
}

RegularFile RegularFile::create(const QString &path)
{
    RegularFile file;
    const auto native = nativePath(path);
    file.m_fd = native ? ::open(native->constData(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0600) : -1;
    if (file.m_fd < 0)
        file.m_error = native ? errno : ENOENT;
    return file;
}

RegularFile::RegularFile(RegularFile &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
    , m_error(other.m_error)
    , m_version(other.m_version)
{ }

RegularFile &RegularFile::operator=(RegularFile &&other) noexcept
{
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
        m_error = other.m_error;
        m_version = other.m_version;
    }
    return *this;
}

RegularFile::~RegularFile()
{
    close();
}

bool RegularFile::fail()
{
    m_error = errno;
    return false;
}

QByteArray RegularFile::readAt(qint64 offset, qint64 length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    qint64 done = 0;
    while (done < length) {
        const ssize_t n = ::pread(m_fd, bytes.data() + done, size_t(length - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_error = n < 0 ? errno : EIO;
            return {};
        }
        done += n;
    }
    return bytes;
}

bool RegularFile::isCached(qint64 offset, qint64 length)
{
    QByteArray bytes(length, Qt::Uninitialized);
    iovec buffer {bytes.data(), size_t(length)};
    ssize_t n = 0;
    do
        n = ::preadv2(m_fd, &buffer, 1, off_t(offset), RWF_NOWAIT);
    while (n < 0 && errno == EINTR);
    return n == length;
}

bool RegularFile::writeAt(qint64 offset, QByteArrayView data)
{
    qint64 done = 0;
    while (done < data.size()) {
        const ssize_t n = ::pwrite(m_fd, data.data() + done, size_t(data.size() - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0) {
            m_error = n < 0 ? errno : EIO;
            return false;
        }
        done += n;
    }
    return true;
}

bool RegularFile::resize(qint64 length)
{
    return ::ftruncate(m_fd, off_t(length)) == 0 || fail();
}

bool RegularFile::syncData()
{
    return ::fdatasync(m_fd) == 0 || fail();
}

bool RegularFile::close()
{
    if (m_fd < 0)
        return false;
    // Linux releases the descriptor even when close reports an error: never retry.
    const int result = ::close(std::exchange(m_fd, -1));
    return result == 0 || fail();
}

bool removeFile(const QString &path)
{
    const auto native = nativePath(path);
    return native && (::unlink(native->constData()) == 0 || errno == ENOENT);
}

bool replaceFile(const QString &from, const QString &to)
{
    const auto nativeFrom = nativePath(from);
    const auto nativeTo = nativePath(to);
    return nativeFrom && nativeTo && ::rename(nativeFrom->constData(), nativeTo->constData()) == 0;
}
