#include "platform/DirectoryListing.h"

#include "platform/FileLookup.h"

#include <QFile>

#include <algorithm>
#include <dirent.h>
#include <memory>
#include <utility>
#include <vector>

QStringList listMP3Files(const QString &directory)
{
    const QString folder = withTrailingSlash(directory);
    const auto native = nativePath(folder);
    const std::unique_ptr<DIR, int (*)(DIR *)> entries(native ? ::opendir(native->constData()) : nullptr, ::closedir);
    if (!entries)
        return {};

    // Each name with its case-folded form, folded once rather than at every comparison.
    std::vector<std::pair<QString, QString>> found;
    while (const dirent *entry = ::readdir(entries.get())) {
        const QString name = QFile::decodeName(entry->d_name);
        if (!name.endsWith(u".mp3", Qt::CaseInsensitive) || isHiddenName(name))
            continue;
        // The entry's type comes with the listing; only links and file systems that do not
        // say need a look of their own.
        const bool regular = entry->d_type == DT_REG
            || ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN)
                && entryKindOf(folder + name) == EntryKind::RegularFile);
        if (regular)
            found.emplace_back(name.toCaseFolded(), name);
    }
    std::sort(found.begin(), found.end());
    QStringList names;
    names.reserve(qsizetype(found.size()));
    for (auto &[folded, name] : found)
        names.append(std::move(name));
    return names;
}
