#include "platform/FileLookup.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <climits>
#include <sys/stat.h>
#include <unistd.h>

std::optional<QByteArray> nativePath(const QString &path)
{
    if (path.isEmpty() || path.contains(QChar(u'\0')))
        return std::nullopt;
    return QFile::encodeName(path);
}

std::optional<QString> decodedPath(const char *native)
{
    QString path = QFile::decodeName(native);
    if (QFile::encodeName(path) != native)
        return std::nullopt;
    return path;
}

EntryKind entryKindOfMode(unsigned mode)
{
    if (S_ISREG(mode))
        return EntryKind::RegularFile;
    return S_ISDIR(mode) ? EntryKind::Directory : EntryKind::Special;
}

FileVersion fileVersionOf(const struct stat &info)
{
    const auto nanoseconds = [](const timespec &time) { return qint64(time.tv_sec) * 1'000'000'000 + time.tv_nsec; };
    if (!S_ISREG(info.st_mode))
        return {};
    return {info.st_dev, info.st_ino, info.st_size, nanoseconds(info.st_mtim), nanoseconds(info.st_ctim)};
}

EntryInfo lookUpEntry(const QString &path, Links links)
{
    const auto native = nativePath(path);
    struct stat info
    {
    };
    const auto look = links == Links::Followed ? ::stat : ::lstat;
    if (!native || look(native->constData(), &info) != 0)
        return {};
    return {entryKindOfMode(info.st_mode), fileVersionOf(info)};
}

QString canonicalFolder(const QString &folder)
{
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QString() : withTrailingSlash(canonical);
}

qsizetype longestNameIn(const QString &folder)
{
    const auto native = nativePath(folder);
    const long longest = native ? ::pathconf(native->constData(), _PC_NAME_MAX) : -1;
    return longest > 0 ? qsizetype(longest) : NAME_MAX;
}

bool isHiddenName(const QString &path)
{
    return fileNameOf(path).startsWith(u'.');
}

QString normalFileName(const QString &path)
{
    if (isHiddenName(path) || entryKindOf(path) != EntryKind::RegularFile)
        return {};
    return fileNameOf(path);
}

QString ExpandLongPath(const QString &path)
{
    // Checked before cleaning: "missing/.." names nothing, although it cleans to a folder.
    const QString absolute = QDir::current().absoluteFilePath(path);
    return entryKindOf(absolute) == EntryKind::Missing ? QString() : QDir::cleanPath(absolute);
}
