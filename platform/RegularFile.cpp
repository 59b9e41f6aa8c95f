#include "platform/RegularFile.h"

#include "platform/FileLookup.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

RegularFile RegularFile::open(const QString &path, Access access)
{
    RegularFile file;
    const auto native = nativePath(path);
    if (!native) {
        file.m_error = ENOENT;
        return file;
    }
    // O_NONBLOCK keeps the open itself from waiting on a FIFO; it changes nothing for a
    // regular file, which is all that is kept.
    const int flags = (access == Access::Read ? O_RDONLY : O_RDWR) | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
    file.m_fd = ::open(native->constData(), flags);
    if (file.m_fd < 0) {
        file.m_error = errno;
        return file;
    }
    struct stat info
    {
    };
    if (::fstat(file.m_fd, &info) != 0 || !S_ISREG(info.st_mode)) {
        file.m_error = S_ISDIR(info.st_mode) ? EISDIR : EINVAL;
        file.close();
    } else if (access == Access::ReadWrite && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
        // A file nobody may write is read-only to us too, also when root could write it.
        file.m_error = EACCES;
        file.close();
    } else {
        file.m_size = info.st_size;
    }
    return file;
}

RegularFile::RegularFile(RegularFile &&other) noexcept
    : m_fd(std::exchange(other.m_fd, -1))
    , m_error(other.m_error)
    , m_size(other.m_size)
{ }

RegularFile &RegularFile::operator=(RegularFile &&other) noexcept
{
    if (this != &other) {
        close();
        m_fd = std::exchange(other.m_fd, -1);
        m_error = other.m_error;
        m_size = other.m_size;
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
