#pragma once

#include "platform/FileLookup.h"

#include <QString>

#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>

// An open directory, closed with the object; null when it could not be opened.
using DirectoryStream = std::unique_ptr<DIR, int (*)(DIR *)>;

// The directory at path, symbolic links followed.
inline DirectoryStream openDirectory(const QString &path)
{
    const auto native = nativePath(path);
    return DirectoryStream(native ? ::opendir(native->constData()) : nullptr, ::closedir);
}

// Calls visit(name, type) for each entry of directory whose name decodes whole, "." and ".."
// aside; type is the entry's d_type. A name that does not decode whole could not be opened
// by the decoded text.
template <typename Visit> void forEachEntry(DIR *directory, Visit visit)
{
    while (const dirent *entry = ::readdir(directory)) {
        const std::optional<QString> name = decodedPath(entry->d_name);
        if (name && *name != u"." && *name != u"..")
            visit(*name, entry->d_type);
    }
}

// The kind of the entry name of directory. Looked up relative to the directory as it was
// opened, so that neither a path grown past PATH_MAX nor a folder renamed meanwhile leads astray.
inline EntryKind entryKindIn(DIR *directory, const QString &name, Links links)
{
    const auto native = nativePath(name);
    struct stat info
    {
    };
    const int flags = links == Links::Followed ? 0 : AT_SYMLINK_NOFOLLOW;
    if (!native || ::fstatat(::dirfd(directory), native->constData(), &info, flags) != 0)
        return EntryKind::Missing;
    return entryKindOfMode(info.st_mode);
}
