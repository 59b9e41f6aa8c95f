#include "naming/InterruptedRename.h"

#include "naming/RenameJournal.h"
#include "platform/FileLookup.h"
#include "platform/RegularFile.h"
#include "platform/RenameWithoutReplacing.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

namespace {

struct PutRight
{
    int filesMovedOn = 0;
    int placeholdersRemoved = 0;
};

// An empty placeholder the entry claimed a name with, and never filled with the file.
void removePlaceholders(const JournalEntry &entry, PutRight &putRight)
{
    for (const JournalStep &step : entry.steps) {
        const QString path = withTrailingSlash(entry.folder) + step.name;
        const std::optional<FileIdentity> found = identityOf(path);
        if (step.kind == JournalStep::Kind::Claim && found && found->size == 0 && !holdsRecordedFile(path, entry)
            && removeFile(path))
            ++putRight.placeholdersRemoved;
    }
}

// The entry's file, if it is still under a temporary name, goes on to where it was heading
// or, that name being taken, to the other name of its rename.
void moveOnFromTemporaryNames(const JournalEntry &entry, const RenameCalls &calls, PutRight &putRight)
{
    const QString folder = withTrailingSlash(entry.folder);
    for (const JournalStep &step : entry.steps) {
        const QString path = folder + step.name;
        if (step.kind != JournalStep::Kind::Through || !holdsRecordedFile(path, entry))
            continue;
        const QString other = step.destination == entry.newName ? entry.oldName : entry.newName;
        if (renameWithoutReplacing(path, folder + step.destination, calls).renamed
            || renameWithoutReplacing(path, folder + other, calls).renamed)
            ++putRight.filesMovedOn;
    }
}

} // namespace

std::optional<Message> FinishInterruptedRename(const QString &journalPath, const RenameCalls &calls)
{
    if (!journalHoldsSteps(journalPath))
        return std::nullopt;
    JournalContents journal = readRenameJournal(journalPath);
    const auto hasSteps = [](const JournalEntry &entry) { return !entry.steps.empty(); };
    if (!journal.readable || std::ranges::none_of(journal.entries, hasSteps))
        return std::nullopt;

    PutRight putRight;
    // Every placeholder first: one may hold the name a file under a temporary name needs.
    for (const JournalEntry &entry : journal.entries) {
        if (hasSteps(entry) && isRecordedFolder(entry.folder))
            removePlaceholders(entry, putRight);
    }
    for (const JournalEntry &entry : journal.entries) {
        if (hasSteps(entry) && isRecordedFolder(entry.folder))
            moveOnFromTemporaryNames(entry, calls, putRight);
    }
    std::vector<JournalEntry> standing;
    for (JournalEntry &entry : journal.entries) {
        // A rename with steps stands when its file now has the new name; the others stand as
        // they are, for undo to judge.
        if (!hasSteps(entry) || holdsRecordedFile(withTrailingSlash(entry.folder) + entry.newName, entry)) {
            entry.steps.clear();
            standing.push_back(std::move(entry));
        }
    }
    replaceRenameJournal(journalPath, journal.made, standing);
    if (putRight.filesMovedOn == 0 && putRight.placeholdersRemoved == 0)
        return std::nullopt;
    QString text = QCoreApplication::translate(
        "InterruptedRename", "The last rename run or undo was cut short. What it left half done has been put right:");
    if (putRight.filesMovedOn > 0)
        text += QCoreApplication::translate(
            "InterruptedRename", "\n%1 file(s) left under a temporary name were given their names.")
                    .arg(putRight.filesMovedOn);
    if (putRight.placeholdersRemoved > 0)
        text += QCoreApplication::translate("InterruptedRename", "\n%1 empty placeholder(s) were removed.")
                    .arg(putRight.placeholdersRemoved);
    return Message {QCoreApplication::translate("InterruptedRename", "Rename Interrupted"), text, MessageButtons::Ok,
        MessageIcon::Information};
}
