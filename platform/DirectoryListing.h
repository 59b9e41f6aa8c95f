#pragma once

#include <QString>
#include <QStringList>

struct FolderListing
{
    // The bare names of the MP3 files: regular files (symbolic links followed) whose names
    // end in ".mp3" in any case, are not hidden and decode whole, in case-insensitive name
    // order (folded to upper case).
    QStringList mp3Files;
    // The name of every entry that decodes whole, whatever its kind, in no particular order.
    QStringList allNames;
};

// A directory that cannot be read lists as empty.
FolderListing listFolder(const QString &directory);
// Only FolderListing::allNames.
QStringList listEntryNames(const QString &directory);
