#include "platform/FileLookup.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>

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

EntryInfo lookUpEntry(const QString &path)
{
    const auto native = nativePath(path);
    struct stat info
    {
    };
    if (!native || ::stat(native->constData(), &info) != 0)
        return {};
    const EntryKind kind = entryKindOfMode(info.st_mode);
    return {kind, kind == EntryKind::RegularFile ? info.st_size : 0};
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
