#pragma once

#include "naming/FileList.h"
#include "naming/FileNameCleaning.h"
#include "platform/FileLookup.h"
#include "track/MP3File.h"

#include <QString>

#include <array>

// The values the whole program shares, created once at start-up. There is one track
// record: every routine that works on a file loads it into CurrentFile first.
struct ProgramState
{
    // Add-on links are numbered 1 to 10.
    static constexpr int AddonCount = 10;

    MP3File CurrentFile;
    // The files the main window lists, which a rename run renames.
    FileList ListedFiles;
    // The arguments joined by spaces; empty means folder mode for the whole run.
    QString CommandLine;
    // The folder the listing starts from, normally ending in "/".
    QString CurrentDirectory;
    // The remembered folder to list at start-up.
    QString StartInDirectory;
    // Whether the file in hand goes through the tag editor before it is renamed.
    bool ForceTagEdit = false;
    IllegalCharList IllegalChars;
    // Where a rename run records its renames for "Undo Last Rename".
    QString RenameJournalPath;
    // Where a tag save that writes its file afresh records the copy it writes, so that a
    // copy a killed save left behind is removed at the next start.
    QString TagSaveRecordPath;
    // A run renamed files its journal could not record: a journal still there is of an
    // older run, and undoing it now would rename the wrong files.
    bool JournalIsOutdated = false;
    // Caption and address prefix of add-on n at index n - 1; empty in argument mode.
    std::array<QString, AddonCount> AddonNames;
    std::array<QString, AddonCount> AddonURLs;

    bool isArgumentMode() const { return !CommandLine.isEmpty(); }
};
