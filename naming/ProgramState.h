#pragma once

#include "naming/FileNameCleaning.h"
#include "platform/FileLookup.h"
#include "track/MP3File.h"

#include <QString>
#include <QStringList>

#include <array>

// The values the whole program shares, created once at start-up. There is one track
// record: every routine that works on a file loads it into CurrentFile first.
struct ProgramState
{
    // At most this many files are listed from one folder.
    static constexpr int MaxListedFiles = 1000;
    // Add-on links are numbered 1 to 10.
    static constexpr int AddonCount = 10;

    MP3File CurrentFile;
    // The arguments joined by spaces; empty means folder mode for the whole run.
    QString CommandLine;
    // One entry per argument: the bare name of the file it named, empty where it named none.
    QStringList ArgumentFiles;
    // The listed folder, normally ending in "/".
    QString CurrentDirectory;
    // The remembered folder to list at start-up.
    QString StartInDirectory;
    // The number of files in the list.
    int FileCount = 0;
    // The names the last folder listing listed, in listing order.
    QStringList FileNames;
    // Whether the file in hand goes through the tag editor before it is renamed.
    bool ForceTagEdit = false;
    IllegalCharList IllegalChars;
    // Where a rename run records its renames for "Undo Last Rename".
    QString RenameJournalPath;
    // Caption and address prefix of add-on n at index n - 1; empty in argument mode.
    std::array<QString, AddonCount> AddonNames;
    std::array<QString, AddonCount> AddonURLs;

    bool isArgumentMode() const { return !CommandLine.isEmpty(); }
    QString pathInCurrentDirectory(const QString &name) const { return withTrailingSlash(CurrentDirectory) + name; }
};
