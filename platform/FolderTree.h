#pragma once

#include "platform/DirectoryListing.h"

#include <functional>
#include <vector>

// One folder of a tree listing.
struct ListedFolder
{
    QString path; // absolute, ending in "/"
    FolderListing listing; // its MP3 files (bare names, in listFolder's order) and all its entry names
};

// The folders of the tree below root, root first, depth first: a folder comes before its
// subfolders, which follow in the same order listFolder gives files (upper-case fold). Not
// entered: symbolic links to folders, folders whose name starts with ".", a folder already
// entered (the same device and inode: bind mounts, loops), a folder that cannot be read
// (skipped, its siblings still listed). root itself is always the first entry, even when it cannot be
// read (then with an empty listing). carryOn is asked before each folder is read; when it
// returns false the walk stops and returns the folders read so far (root unread, with an empty
// listing, when it refuses at once).
std::vector<ListedFolder> listFolderTree(const QString &root, const std::function<bool()> &carryOn = {});
