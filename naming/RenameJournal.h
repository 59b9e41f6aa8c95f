#pragma once

#include "platform/RegularFile.h"
#include "platform/RenameWithoutReplacing.h"

#include <QDateTime>
#include <QString>

#include <optional>
#include <vector>

// Which file a rename was made on: a file that takes its name later has another device or
// inode, or, should an inode be reused, most likely another size.
struct FileIdentity
{
    quint64 device = 0;
    quint64 inode = 0;
    qint64 size = 0;

    friend bool operator==(const FileIdentity &, const FileIdentity &) = default;
};

// The identity of the regular file at path itself; nothing for anything else, a symbolic
// link to a file included.
std::optional<FileIdentity> identityOf(const QString &path);

// A step of a rename, or of its undo, after which a killed program would leave the file, or
// an empty placeholder, under a name nobody chose; written before the step is taken.
struct JournalStep
{
    enum class Kind {
        Through, // the file moves on to destination through the temporary name
        Claim, // an empty placeholder claims the name first
    };
    Kind kind;
    // The temporary or the claimed name, in the entry's folder.
    QString name;
    // For Through, the entry's new name on a run's way, its old name on an undo's.
    QString destination;

    friend bool operator==(const JournalStep &, const JournalStep &) = default;
};

// One rename a run made: in folder (an absolute path), the file named oldName was given
// newName. Journals written before files were recorded have no file.
struct JournalEntry
{
    QString folder;
    QString oldName;
    QString newName;
    std::optional<FileIdentity> file;
    std::vector<JournalStep> steps;

    friend bool operator==(const JournalEntry &, const JournalEntry &) = default;
};

// Writes the journal of a rename run as the run goes. Each rename is written before it is
// made, and is followed by a failure record should it not be made; a step that could leave
// something under a name nobody chose is written and flushed to the disk before it is taken.
// The journal is flushed every FlushInterval renames and at the end. A killed program so
// leaves a journal that holds every rename it made; a power cut, at least the renames up to
// the last flush.
class RenameJournalWriter
{
public:
    static constexpr int FlushInterval = 100;

    // The journal at path of a run made at made: the first record replaces the journal of
    // the run before, and is flushed before the rename is made.
    RenameJournalWriter(QString path, QDateTime made);
    // Records further steps into the journal at path as it stands, as an undo takes them.
    static RenameJournalWriter continuing(QString path);

    void record(const JournalEntry &entry);
    void recordStep(const JournalEntry &entry, const JournalStep &step);
    // Records each step that could strand the file of entry, on its way to destination,
    // before the rename takes it.
    BeforeStrandingStep recordingSteps(const JournalEntry &entry, const QString &destination);
    // The rename recorded last for entry was not made: the file kept its old name.
    void recordFailed(const JournalEntry &entry);
    // Makes the journal complete on disk. False when a part of it could not be written: the
    // journal is then removed, since it could not undo the whole run.
    bool finish();
    // Whether the journal has been started.
    bool started() const { return m_started; }

private:
    bool start();
    bool append(const QByteArray &bytes);
    bool flush();
    bool fail();

    const QString m_path;
    const QDateTime m_made;
    std::optional<RegularFile> m_file;
    qint64 m_size = 0;
    int m_unflushed = 0;
    bool m_started = false;
    bool m_failed = false;
};

struct JournalContents
{
    // False when the journal cannot be read or is not one this program wrote whole.
    bool readable = true;
    // When the run was made; invalid for a journal of the first format.
    QDateTime made;
    // Oldest first, without the renames that were not made; empty when there is no journal.
    std::vector<JournalEntry> entries;
};

JournalContents readRenameJournal(const QString &path);
// Whether the journal at path records a step that may have stranded a file. Far cheaper than
// reading it: every start asks, and the last run may have renamed 100,000 files.
bool journalHoldsSteps(const QString &path);
// Whether path is the regular file the entry recorded; any regular file, for a journal that
// recorded none.
bool holdsRecordedFile(const QString &path, const JournalEntry &entry);
// Whether folder is the very folder a run recorded: reached through no link, holding no "..".
bool isRecordedFolder(const QString &folder);
// Replaces the journal at path with one of the entries, without their steps, whole or not at
// all; with no entries, removes it. False when it could not.
bool replaceRenameJournal(const QString &path, const QDateTime &made, const std::vector<JournalEntry> &entries);
// The file recorded as was is now the file is, written afresh under the same name (a tag
// saved into a copy that replaced it): undo is to take it for the file the run renamed. False
// when the journal could not be rewritten.
bool recordReplacedFile(const QString &path, const FileIdentity &was, const FileIdentity &is);
// Moves an unreadable journal out of the way, never over another file, and returns where to;
// empty when it could not be moved.
QString setJournalAside(const QString &path);
