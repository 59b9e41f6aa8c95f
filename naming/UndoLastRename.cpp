#include "naming/UndoLastRename.h"

#include "naming/FolderRenamePlan.h"
#include "naming/RenameJournal.h"
#include "naming/RenameRun.h"
#include "platform/DirectoryListing.h"
#include "platform/FileLookup.h"
#include "platform/RenameWithoutReplacing.h"

#include <QCoreApplication>
#include <QHash>
#include <QLocale>

#include <algorithm>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

// The folder of every entry, or the one folder all of them lie below, and how many there are.
QString whereFrom(const std::vector<JournalEntry> &entries)
{
    QHash<QString, bool> folders;
    QString common = entries.front().folder;
    for (const JournalEntry &entry : entries) {
        folders.insert(entry.folder, true);
        while (!withTrailingSlash(entry.folder).startsWith(withTrailingSlash(common)))
            common = folderOf(common.endsWith(u'/') ? common.chopped(1) : common);
    }
    if (folders.size() == 1)
        return QCoreApplication::translate("UndoLastRename", "in \"%1\"").arg(common);
    return QCoreApplication::translate("UndoLastRename", "in %1 folders under \"%2\"").arg(folders.size()).arg(common);
}

Message confirmation(const JournalContents &journal)
{
    const QString when = journal.made.isValid()
        ? QCoreApplication::translate("UndoLastRename", "the rename run of %1")
              .arg(QLocale().toString(journal.made.toLocalTime(), QLocale::ShortFormat))
        : QCoreApplication::translate("UndoLastRename", "the last rename run");
    return {QCoreApplication::translate("UndoLastRename", "Undo Last Rename?"),
        QCoreApplication::translate("UndoLastRename", "This will give %1 file(s) %2 back the names they had before %3.")
            .arg(journal.entries.size())
            .arg(whereFrom(journal.entries), when),
        MessageButtons::YesNo, MessageIcon::Question};
}

Message nothingToUndo()
{
    return {QCoreApplication::translate("UndoLastRename", "Undo Last Rename"),
        QCoreApplication::translate(
            "UndoLastRename", "The last rename run renamed no files: there is nothing to undo."),
        MessageButtons::Ok, MessageIcon::Information};
}

struct UndoCounts
{
    int undone = 0;
    int notUndone = 0;
    int strangers = 0;
};

Message completion(const UndoCounts &counts)
{
    QString text
        = QCoreApplication::translate("UndoLastRename", "%1 file(s) have their old names again.").arg(counts.undone);
    if (counts.notUndone > 0)
        text += QCoreApplication::translate("UndoLastRename", "\n%1 file(s) could not be given their old names.")
                    .arg(counts.notUndone);
    if (counts.strangers > 0)
        text += QCoreApplication::translate(
            "UndoLastRename", "\n%1 file(s) were left alone: they are no longer the files that were renamed.")
                    .arg(counts.strangers);
    return {QCoreApplication::translate("UndoLastRename", "Undo Complete"), text, MessageButtons::Ok,
        MessageIcon::Information};
}

Message setAside(const QString &aside)
{
    QString text = QCoreApplication::translate(
        "UndoLastRename", "The record of the last rename run cannot be read, so no file was renamed.");
    if (!aside.isEmpty())
        text += QCoreApplication::translate("UndoLastRename", "\nIt has been set aside as \"%1\".").arg(aside);
    return {QCoreApplication::translate("UndoLastRename", "Undo Last Rename"), text, MessageButtons::Ok,
        MessageIcon::Critical};
}

// The steps of an undo in one folder, each that could strand a file written to the journal
// before it is taken.
class UndoSteps final : public RenameSteps
{
public:
    UndoSteps(const QString &folder, const std::vector<const JournalEntry *> &entries, const RenameCalls &calls,
        RenameJournalWriter &journal)
        : m_folder(withTrailingSlash(folder))
        , m_entries(entries)
        , m_calls(calls)
        , m_journal(journal)
    { }

    bool move(const Move &move) override
    {
        const JournalEntry &entry = *m_entries[size_t(move.file)];
        if (move.step == Step::ToTemporaryName)
            m_journal.recordStep(entry, {JournalStep::Kind::Through, move.to, entry.oldName});
        return renameWithoutReplacing(
            m_folder + move.from, m_folder + move.to, m_calls, m_journal.recordingSteps(entry, entry.oldName))
            .renamed;
    }

private:
    const QString m_folder;
    const std::vector<const JournalEntry *> &m_entries;
    const RenameCalls &m_calls;
    RenameJournalWriter &m_journal;
};

// Gives each file its old name back, in each folder by the plan a run follows: newest first,
// a file holding an old name moving on first, a cycle through a temporary name. Only a
// record whose old name is taken stays in kept, oldest first.
UndoCounts undo(const JournalContents &journal, const RenameCalls &calls, RenameJournalWriter &steps,
    std::vector<JournalEntry> &kept)
{
    UndoCounts counts;
    // The folder itself, as the run recorded it: not reached through a link, nor another
    // folder put where it was.
    QHash<QString, bool> folderIsRecorded;
    QHash<QString, std::vector<const JournalEntry *>> toUndo;
    QStringList folders;
    for (auto entry = journal.entries.rbegin(); entry != journal.entries.rend(); ++entry) {
        auto recorded = folderIsRecorded.constFind(entry->folder);
        if (recorded == folderIsRecorded.cend())
            recorded = folderIsRecorded.insert(entry->folder, isRecordedFolder(entry->folder));
        const QString folder = withTrailingSlash(entry->folder);
        if (*recorded && holdsRecordedFile(folder + entry->newName, *entry)) {
            if (!toUndo.contains(entry->folder))
                folders.append(entry->folder);
            toUndo[entry->folder].push_back(&*entry);
        } else if (*recorded && entry->file && holdsRecordedFile(folder + entry->oldName, *entry)) {
            // Killed during an undo, or put back by hand: the file already has its old name.
            ++counts.undone;
        } else {
            ++counts.strangers;
        }
    }
    std::vector<const JournalEntry *> keptEntries;
    for (const QString &folder : std::as_const(folders)) {
        const std::vector<const JournalEntry *> &entries = toUndo[folder];
        QStringList newNames;
        for (const JournalEntry *entry : entries)
            newNames.append(entry->newName);
        UndoSteps undoSteps(folder, entries, calls, steps);
        FolderRenamePlan plan(listEntryNames(folder), std::move(newNames), longestNameIn(folder), undoSteps);
        for (size_t k = 0; k < entries.size(); ++k)
            plan.give(int(k), entries[k]->oldName);
        plan.finish();
        for (size_t k = 0; k < entries.size(); ++k) {
            const RenameWarning outcome = plan.forecast(int(k)).warning;
            if (plan.wasRenamed(int(k)))
                ++counts.undone;
            else if (outcome == RenameWarning::NameTaken || outcome == RenameWarning::NameCaseClash)
                keptEntries.push_back(entries[k]);
            else
                ++counts.notUndone;
        }
    }
    std::ranges::sort(keptEntries);
    for (const JournalEntry *entry : keptEntries)
        kept.push_back(*entry);
    counts.notUndone += int(kept.size());
    return counts;
}

} // namespace

void UndoLastRename(const QString &journalPath, RenameWindow &window, const RenameCalls &calls)
{
    const JournalContents journal = readRenameJournal(journalPath);
    if (!journal.readable) {
        window.showMessage(setAside(setJournalAside(journalPath)));
        return;
    }
    if (journal.entries.empty()) {
        window.showMessage(nothingToUndo());
        return;
    }
    if (window.showMessage(confirmation(journal)) != MessageAnswer::Yes)
        return;

    window.setBusy(true);
    std::vector<JournalEntry> kept;
    RenameJournalWriter steps = RenameJournalWriter::continuing(journalPath);
    const UndoCounts counts = undo(journal, calls, steps, kept);
    steps.finish();
    for (JournalEntry &entry : kept)
        entry.steps.clear();
    replaceRenameJournal(journalPath, journal.made, kept);
    window.ScanFilesFromFolder();
    window.setBusy(false);
    window.showMessage(completion(counts));
}
