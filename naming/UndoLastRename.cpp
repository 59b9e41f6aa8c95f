#include "naming/UndoLastRename.h"

#include "naming/RenameJournal.h"
#include "naming/RenameRun.h"
#include "platform/FileLookup.h"
#include "platform/RenameWithoutReplacing.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

Message confirmation(qsizetype renames)
{
    return {u"Undo Last Rename?"_s,
        u"This will give %1 file(s) back the names they had before the last rename run."_s.arg(renames),
        MessageButtons::YesNo, MessageIcon::Question};
}

Message completion(int undone, qsizetype kept)
{
    QString text = u"%1 file(s) have their old names again."_s.arg(undone);
    if (kept > 0)
        text += u"\n%1 file(s) could not be given their old names."_s.arg(kept);
    return {u"Undo Complete"_s, text, MessageButtons::Ok, MessageIcon::Information};
}

Message setAside(const QString &aside)
{
    QString text = u"The record of the last rename run cannot be read, so no file was renamed."_s;
    if (!aside.isEmpty())
        text += u"\nIt has been set aside as \"%1\"."_s.arg(aside);
    return {u"Undo Last Rename"_s, text, MessageButtons::Ok, MessageIcon::Critical};
}

} // namespace

void UndoLastRename(const QString &journalPath, RenameWindow &window)
{
    const JournalContents journal = readRenameJournal(journalPath);
    if (!journal.readable) {
        window.showMessage(setAside(setJournalAside(journalPath)));
        return;
    }
    if (journal.entries.empty()
        || window.showMessage(confirmation(qsizetype(journal.entries.size()))) != MessageAnswer::Yes)
        return;

    window.setBusy(true);
    std::vector<JournalEntry> kept;
    int undone = 0;
    // Newest first: a name an earlier rename gave up may have been taken by a later one.
    for (auto entry = journal.entries.rbegin(); entry != journal.entries.rend(); ++entry) {
        const QString folder = withTrailingSlash(entry->folder);
        if (renameWithoutReplacing(folder + entry->newName, folder + entry->oldName).renamed)
            ++undone;
        else
            kept.push_back(*entry);
    }
    std::reverse(kept.begin(), kept.end());
    replaceRenameJournal(journalPath, kept);
    window.ScanFilesFromFolder();
    window.setBusy(false);
    window.showMessage(completion(undone, qsizetype(kept.size())));
}
