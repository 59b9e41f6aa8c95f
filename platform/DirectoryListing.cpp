#include "platform/DirectoryListing.h"

#include "platform/DirectoryEntries.h"

#include <algorithm>
#include <utility>
#include <vector>

FolderListing listFolder(const QString &directory)
{
    const DirectoryStream folder = openDirectory(withTrailingSlash(directory));
    return folder ? listOpenFolder(folder.get()) : FolderListing();
}

QStringList listEntryNames(const QString &directory)
{
    QStringList names;
    if (const DirectoryStream folder = openDirectory(withTrailingSlash(directory)))
        forEachEntry(folder.get(), [&names](const QString &name, unsigned char) { names.append(name); });
    return names;
}

FolderListing listOpenFolder(DIR *directory, const EntryVisitor &alsoVisit)
{
    QStringList mp3Files;
    FolderListing listing;
    forEachEntry(directory, [&](const QString &name, unsigned char type) {
        listing.allNames.append(name);
        if (alsoVisit)
            alsoVisit(name, type);
        if (!name.endsWith(u".mp3", Qt::CaseInsensitive) || isHiddenName(name))
            return;
        // The entry's type comes with the listing; only links and file systems that do not
        // say need a look of their own.
        const bool regular = type == DT_REG
            || ((type == DT_LNK || type == DT_UNKNOWN)
                && entryKindIn(directory, name, Links::Followed) == EntryKind::RegularFile);
        if (regular)
            mp3Files.append(name);
    });
    listing.mp3Files = inListingOrder(std::move(mp3Files));
    return listing;
}

QStringList inListingOrder(QStringList names)
{
    // Each name with its upper-cased form, taken once rather than at every comparison.
    std::vector<std::pair<QString, QString>> folded;
    folded.reserve(size_t(names.size()));
    for (QString &name : names)
        folded.emplace_back(name.toUpper(), std::move(name));
    std::sort(folded.begin(), folded.end());
    names.clear();
    for (auto &[upper, name] : folded)
        names.append(std::move(name));
    return names;
}
