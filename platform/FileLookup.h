#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

#include <sys/types.h>

struct stat;

// What a path names; with links followed, a dangling link names nothing.
enum class EntryKind { Missing, RegularFile, Directory, Special };

// The path in the locale's encoding, or nothing for a path the kernel cannot be handed
// whole: an empty one, or one holding a NUL that would silently cut it short.
std::optional<QByteArray> nativePath(const QString &path);

// A name or path as the kernel hands it over (a directory entry, a program argument),
// decoded from the locale's encoding. Nothing when its bytes do not come back unchanged
// through encoding (a Latin-1 name in a UTF-8 locale): the decoded text would name another
// file, or none.
std::optional<QString> decodedPath(const char *native);

// The kind of entry a file mode (st_mode) describes.
EntryKind entryKindOfMode(unsigned mode);

// Tells one state of a regular file from another: another file that took its name has
// another device or inode, and a write changes its size or the times of its last change.
struct FileVersion
{
    dev_t device = 0;
    ino_t inode = 0;
    qint64 size = 0;
    qint64 modifiedNs = 0;
    qint64 changedNs = 0;

    bool operator==(const FileVersion &) const = default;
};

// The version of a regular file from its status; the empty version for anything else.
FileVersion fileVersionOf(const struct stat &info);

struct EntryInfo
{
    EntryKind kind = EntryKind::Missing;
    FileVersion version;
};

enum class Links { Followed, NotFollowed };

EntryInfo lookUpEntry(const QString &path, Links links = Links::Followed);
inline EntryKind entryKindOf(const QString &path)
{
    return lookUpEntry(path).kind;
}

// path with a "/" at its end; an empty path gives "/".
inline QString withTrailingSlash(const QString &path)
{
    return path.endsWith(u'/') ? path : path + u'/';
}

// The last component of path: "/music/a.mp3" gives "a.mp3".
inline QString fileNameOf(const QString &path)
{
    return path.mid(path.lastIndexOf(u'/') + 1);
}

// The folder of path with its "/": "/music/a.mp3" gives "/music/"; a bare name gives "".
inline QString folderOf(const QString &path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

// The absolute path of folder with every symbolic link resolved and a "/" at its end; empty
// when folder cannot be reached.
QString canonicalFolder(const QString &folder);

// The longest name, in encoded bytes, the file system of folder takes; NAME_MAX when it
// cannot tell.
qsizetype longestNameIn(const QString &folder);

// A name starting with "." is hidden; only the last component counts.
bool isHiddenName(const QString &path);

// The bare name of the ordinary file at path (a regular file whose name is not hidden),
// or an empty string when there is none.
QString normalFileName(const QString &path);

// The cleaned absolute form of path (relative to the working directory), or an empty
// string when it names nothing. Hidden and special entries count.
QString ExpandLongPath(const QString &path);
