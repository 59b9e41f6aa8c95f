#include "platform/DirectoryListing.h"

#include "platform/FileLookup.h"

#include <QDirIterator>

#include <algorithm>

QStringList listMP3Files(const QString &directory)
{
    QStringList names;
    const QString folder = directory.endsWith(u'/') ? directory : directory + u'/';
    QDirIterator entries(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    while (entries.hasNext()) {
        entries.next();
        const QString name = entries.fileName();
        if (name.endsWith(u".mp3", Qt::CaseInsensitive) && !isHiddenName(name)
            && entryKindOf(folder + name) == EntryKind::RegularFile)
            names.append(name);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = a.compare(b, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a < b;
    });
    return names;
}
