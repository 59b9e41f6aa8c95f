#include "platform/DirectoryListing.h"

#include "platform/FileLookup.h"

#include <algorithm>
#include <dirent.h>
#include <memory>
#include <utility>
#include <vector>

FolderListing listFolder(const QString &directory)
{
    const QString folder = withTrailingSlash(directory);
    const auto native = nativePath(folder);
    const std::unique_ptr<DIR, int (*)(DIR *)> entries(native ? ::opendir(native->constData()) : nullptr, ::closedir);
    if (!entries)
        return {};

    // Each name with its upper-cased form, taken once rather than at every comparison.
    // Folding to upper case puts "[" and "_" after the letters.
    std::vector<std::pair<QString, QString>> found;
    FolderListing listing;
    while (const dirent *entry = ::readdir(entries.get())) {
        // A name that does not decode whole could not be opened by the decoded text.
        const std::optional<QString> name = decodedPath(entry->d_name);
        if (!name || *name == u"." || *name == u"..")
            continue;
        listing.allNames.append(*name);
        if (!name->endsWith(u".mp3", Qt::CaseInsensitive) || isHiddenName(*name))
            continue;
        // The entry's type comes with the listing; only links and file systems that do not
        // say need a look of their own.
        const bool regular = entry->d_type == DT_REG
            || ((entry->d_type == DT_LNK || entry->d_type == DT_UNKNOWN)
                && entryKindOf(folder + *name) == EntryKind::RegularFile);
        if (regular)
            found.emplace_back(name->toUpper(), *name);
    }
    std::sort(found.begin(), found.end());
    listing.mp3Files.reserve(qsizetype(found.size()));
    for (auto &[folded, name] : found)
        listing.mp3Files.append(std::move(name));
    return listing;
}
