#pragma once

#include "platform/RegularFile.h"

#include <QString>

#include <optional>
#include <vector>

// One rename a run made: in folder (an absolute path), the file named oldName was given
// newName.
struct JournalEntry
{
    QString folder;
    QString oldName;
    QString newName;

    friend bool operator==(const JournalEntry &, const JournalEntry &) = default;
};

// Writes the journal of a rename run as the run goes: each rename is written as soon as it
// has been made, and the journal is flushed to the disk every FlushInterval renames and at
// the end. A killed program so leaves a journal that lacks at most the rename it was making;
// a power cut, at most the renames since the last flush.
class RenameJournalWriter
{
public:
    static constexpr int FlushInterval = 100;

    explicit RenameJournalWriter(QString path);

    // The first record replaces the journal of the run before; a run that renames nothing
    // leaves that journal as it is.
    void record(const JournalEntry &entry);
    // Makes the journal complete on disk. False when a part of it could not be written: the
    // journal is then removed, since it could not undo the whole run.
    bool finish();

private:
    bool start();
    bool append(const QByteArray &bytes);
    bool fail();

    const QString m_path;
    std::optional<RegularFile> m_file;
    qint64 m_size = 0;
    int m_unflushed = 0;
    bool m_failed = false;
};

struct JournalContents
{
    // False when the journal cannot be read or is not one this program wrote whole.
    bool readable = true;
    // Oldest first; empty when there is no journal.
    std::vector<JournalEntry> entries;
};

JournalContents readRenameJournal(const QString &path);
// Replaces the journal at path with one of entries, whole or not at all; with no entries,
// removes it. False when it could not.
bool replaceRenameJournal(const QString &path, const std::vector<JournalEntry> &entries);
// Moves an unreadable journal out of the way, never over another file, and returns where to;
// empty when it could not be moved.
QString setJournalAside(const QString &path);
