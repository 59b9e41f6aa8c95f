#include "platform/DirectoryListing.h"

#include "platform/FileLookup.h"

#include <algorithm>
#include <dirent.h>
#include <memory>
#include <utility>
#include <vector>

namespace {

// Calls visit(name, type) for each entry of folder whose name decodes whole, "." and ".."
// aside; type is the entry's d_type. A name that does not decode whole could not be opened
// by the decoded text. False when the folder cannot be read.
template <typename Visit> bool forEachEntry(const QString &folder, Visit visit)
{
    const auto native = nativePath(folder);
    const std::unique_ptr<DIR, int (*)(DIR *)> entries(native ? ::opendir(native->constData()) : nullptr, ::closedir);
    if (!entries)
        return false;
    while (const dirent *entry = ::readdir(entries.get())) {
        const std::optional<QString> name = decodedPath(entry->d_name);
        if (name && *name != u"." && *name != u"..")
            visit(*name, entry->d_type);
    }
    return true;
}

} // namespace

FolderListing listFolder(const QString &directory)
{
    const QString folder = withTrailingSlash(directory);
    // Each name with its upper-cased form, taken once rather than at every comparison.
    // Folding to upper case puts "[" and "_" after the letters.
    std::vector<std::pair<QString, QString>> found;
    FolderListing listing;
    forEachEntry(folder, [&](const QString &name, unsigned char type) {
        listing.allNames.append(name);
        if (!name.endsWith(u".mp3", Qt::CaseInsensitive) || isHiddenName(name))
            return;
        // The entry's type comes with the listing; only links and file systems that do not
        // say need a look of their own.
        const bool regular = type == DT_REG
            || ((type == DT_LNK || type == DT_UNKNOWN) && entryKindOf(folder + name) == EntryKind::RegularFile);
        if (regular)
            found.emplace_back(name.toUpper(), name);
    });
    std::sort(found.begin(), found.end());
    listing.mp3Files.reserve(qsizetype(found.size()));
    for (auto &[folded, name] : found)
        listing.mp3Files.append(std::move(name));
    return listing;
}

QStringList listEntryNames(const QString &directory)
{
    QStringList names;
    forEachEntry(withTrailingSlash(directory), [&names](const QString &name, unsigned char) { names.append(name); });
    return names;
}
