#include "platform/RegularFile.h"

#include "platform/FileLookup.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

namespace {

// A descriptor that names an entry without opening it (O_PATH): looking at a FIFO or a
// device this way neither blocks nor has the effects an open can have (a tape rewinds).
class EntryHandle
{
public:
    explicit EntryHandle(const QByteArray &path)
        : m_fd(::open(path.constData(), O_PATH | O_CLOEXEC))
    { }
    EntryHandle(const EntryHandle &) = delete;
    EntryHandle &operator=(const EntryHandle &) = delete;
    ~EntryHandle()
    {
        if (m_fd >= 0)
            ::close(m_fd);
    }

    int fd() const { return m_fd; }
    // The path that opens the very entry this handle names, whatever its name is now.
    QByteArray reopenPath() const { return "/proc/self/fd/" + QByteArray::number(m_fd); }

private:
    int m_fd;
};

// Why an entry of this kind may not be opened for access, or 0 when it may.
int refusalOf(const struct stat &info, RegularFile::Access access)
{
    if (S_ISDIR(info.st_mode))
        return EISDIR;
    if (!S_ISREG(info.st_mode))
        return EINVAL;
    // A file nobody may write is read-only to us too, also when root could write it.
    if (access == RegularFile::Access::ReadWrite && (info.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)
        return EACCES;
    return 0;
}

} // namespace

RegularFile RegularFile::open(const QString &path, Access access)
{
    RegularFile file;
    const auto native = nativePath(path);
    if (!native) {
        file.m_error = ENOENT;
        return file;
    }
    const EntryHandle entry(*native);
    struct stat info
    {
    };
    if (entry.fd() < 0 || ::fstat(entry.fd(), &info) != 0) {
        file.m_error = errno;
        return file;
    }
    if (const int refusal = refusalOf(info, access)) {
        file.m_error = refusal;
        return file;
    }
    // Only the checked entry is opened, even if another has taken its name since.
    const int flags = (access == Access::Read ? O_RDONLY : O_RDWR) | O_CLOEXEC;
    file.m_fd = ::open(entry.reopenPath().constData(), flags);
    if (file.m_fd < 0)
        file.m_error = errno;
    else
        file.m_size = info.st_size;
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
