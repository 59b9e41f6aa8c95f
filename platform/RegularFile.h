#pragma once

#include "platform/FileLookup.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <sys/types.h>

// An open regular file, closed when the object goes. Opening never creates, truncates or
// appends, and never opens anything but a regular file: the entry is checked before it is
// opened, so a FIFO or device that takes a file's place is neither waited on nor opened at
// all. A file without any write permission bit is read-only and is not opened for writing.
class RegularFile
{
public:
    enum class Access { Read, ReadWrite };

    // A closed object whose error() says why when the path cannot be opened.
    static RegularFile open(const QString &path, Access access);
    // For reading many small files, where holding each entry while opening it costs as much
    // as the read: looks at path and opens it only when it names a regular file, without
    // blocking, and keeps it open only when it is the file that was looked at. Whatever took
    // its place in between is at most opened without waiting and closed at once, unread.
    static RegularFile openForReadingUnpinned(const QString &path);
    // A new, empty file at path, for this program's own records: readable and writable by
    // the user only, and never over an existing entry (the error is EEXIST then).
    static RegularFile create(const QString &path);

    RegularFile(RegularFile &&other) noexcept;
    RegularFile &operator=(RegularFile &&other) noexcept;
    RegularFile(const RegularFile &) = delete;
    RegularFile &operator=(const RegularFile &) = delete;
    ~RegularFile();

    bool isOpen() const { return m_fd >= 0; }
    int error() const { return m_error; }

    // The size the file had when it was opened.
    qint64 size() const { return m_version.size; }
    const FileVersion &version() const { return m_version; }
    // Exactly length bytes from offset, or an empty array on failure or a short file.
    QByteArray readAt(qint64 offset, qint64 length);
    // Whether length bytes from offset are in memory, so that reading them does not wait for
    // the device. False also where the file system cannot tell.
    bool isCached(qint64 offset, qint64 length);
    // Writes all of data at offset, resuming after short writes.
    bool writeAt(qint64 offset, QByteArrayView data);
    bool resize(qint64 length);
    bool syncData();
    // Closes and reports whether the close itself succeeded.
    bool close();

private:
    friend class FileEntry;
    RegularFile() = default;
    bool fail();

    int m_fd = -1;
    int m_error = 0;
    FileVersion m_version;
};

// Removes the file at path; true also when there was none.
bool removeFile(const QString &path);
// Gives the file at from the path to, replacing any file there: for this program's own
// records, which are written whole under another name first.
bool replaceFile(const QString &from, const QString &to);

// An entry looked at without opening it (O_PATH, symbolic links followed): looking at a
// FIFO or a device this way neither blocks nor has the effects an open can have (a tape
// rewinds). Opening through it opens that very entry, even if another has taken its name
// since, and only when it is a regular file.
class FileEntry
{
public:
    static FileEntry lookUp(const QString &path);

    FileEntry(FileEntry &&other) noexcept;
    FileEntry &operator=(FileEntry &&other) = delete;
    FileEntry(const FileEntry &) = delete;
    FileEntry &operator=(const FileEntry &) = delete;
    ~FileEntry();

    EntryKind kind() const;
    // The size of a regular file; 0 for anything else.
    qint64 size() const { return m_version.size; }
    // The version of a regular file as the look found it.
    const FileVersion &version() const { return m_version; }
    RegularFile open(RegularFile::Access access) const;

private:
    FileEntry() = default;

    int m_fd = -1;
    int m_error = 0;
    mode_t m_mode = 0;
    FileVersion m_version;
};
