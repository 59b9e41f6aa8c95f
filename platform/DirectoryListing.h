#pragma once

#include <QString>
#include <QStringList>

#include <dirent.h>
#include <functional>

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

// Sees a directory entry: its name and its d_type.
using EntryVisitor = std::function<void(const QString &name, unsigned char type)>;
// The listing of a directory already open. alsoVisit, when given, sees every entry in the
// same reading, for what the caller gathers besides.
FolderListing listOpenFolder(DIR *directory, const EntryVisitor &alsoVisit = {});

// names in the order listings give them: case-insensitive, folded to upper case, which puts
// "[" and "_" after the letters.
QStringList inListingOrder(QStringList names);
