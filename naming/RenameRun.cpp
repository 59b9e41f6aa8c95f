#include "naming/RenameRun.h"

#include "naming/NewFileNameBuilder.h"
#include "naming/ProgramState.h"
#include "platform/FileLookup.h"
#include "platform/RenameWithoutReplacing.h"

#include <QCoreApplication>
#include <QHash>

using namespace Qt::StringLiterals;

namespace {

Message confirmation(NamesKept kept)
{
    QString text;
    if (kept.inUse > 0)
        text = QCoreApplication::translate(
            "RenameRun", "%1 file(s) would keep their names because the new name is already in use.\n")
                   .arg(kept.inUse);
    if (kept.tooLong > 0)
        text += QCoreApplication::translate(
            "RenameRun", "%1 file(s) would keep their names because the new name is too long for this volume.\n")
                    .arg(kept.tooLong);
    return {QCoreApplication::translate("RenameRun", "Rename All Files?"),
        text
            + QCoreApplication::translate("RenameRun",
                "Are you sure you wish to proceed?  This will rename all of the \n"
                "MP3 files as they appear in the grid on the screen."),
        MessageButtons::YesNo, MessageIcon::Question};
}

Message emptyList()
{
    return {QCoreApplication::translate("RenameRun", "Unable to Proceed"),
        QCoreApplication::translate("RenameRun", "Please select an MP3 file to rename."), MessageButtons::Ok,
        MessageIcon::Critical};
}

Message notAnMP3File()
{
    return {QCoreApplication::translate("RenameRun", "Please Select Only MP3 Files"),
        QCoreApplication::translate(
            "RenameRun", "Some of the file(s) selected were not MP3 files.  These files will not be processed."),
        MessageButtons::Ok, MessageIcon::Information};
}

Message missingTags()
{
    return {QCoreApplication::translate("RenameRun", "ID3 Tags Required"),
        QCoreApplication::translate("RenameRun",
            "Some of the file(s) selected are missing certain ID3 tags.  Do you wish to add these "
            "in now?\n\nThe file(s) will only be renamed once it has all required tags."),
        MessageButtons::YesNo, MessageIcon::Question};
}

// filesInRun: the number of files the run was to walk, when the person stopped it.
Message completion(int failures, bool undoable, qsizetype renamed, std::optional<qsizetype> filesInRun)
{
    QString text = filesInRun
        ? QCoreApplication::translate("RenameRun", "The run was stopped: %L1 of %L2 files were renamed.\n")
              .arg(renamed)
              .arg(*filesInRun)
        : QCoreApplication::translate(
            "RenameRun", "Files have been renamed as listed in the list displayed on the screen.\n");
    if (failures > 0)
        text += QCoreApplication::translate("RenameRun", "%1 file(s) could not be renamed.\n").arg(failures);
    if (!undoable)
        text += QCoreApplication::translate("RenameRun", "Undo will not be available for this run.\n");
    return {QCoreApplication::translate("RenameRun", "Rename Complete!"),
        text + QCoreApplication::translate("RenameRun", "Do you wish to rename more files?"), MessageButtons::YesNo,
        MessageIcon::Question};
}

} // namespace

// The plan of one folder, and the steps that carry it out on the disk, each written to the
// journal before it is taken. The journal names the folder by its canonical path, the one
// an undo accepts.
class RenameRun::FolderRun final : public RenameSteps
{
public:
    FolderRun(QString path, const QStringList &entryNames, const QStringList &listedNames, RenameJournalWriter &journal,
        const RenameCalls &calls)
        : m_path(canonicalFolder(path).isEmpty() ? path : canonicalFolder(path))
        , m_journal(journal)
        , m_calls(calls)
        , plan(entryNames, listedNames, longestNameIn(m_path), *this)
    { }

    bool move(const Move &move) override
    {
        const QString from = m_path + move.from;
        const JournalEntry entry {m_path, move.oldName, move.newName, identityOf(from), {}};
        if (move.step == Step::ToNewName || move.step == Step::ToTemporaryName)
            m_journal.record(entry);
        if (move.step == Step::ToTemporaryName)
            m_journal.recordStep(entry, {JournalStep::Kind::Through, move.to, move.newName});
        const bool renamed
            = renameWithoutReplacing(from, m_path + move.to, m_calls, m_journal.recordingSteps(entry, move.to)).renamed;
        // The file is under its old name: as a rename that was never made.
        if ((move.step == Step::ToNewName && !renamed) || (move.step == Step::BackToOldName && renamed))
            m_journal.recordFailed(entry);
        return renamed;
    }

private:
    const QString m_path;
    RenameJournalWriter &m_journal;
    const RenameCalls &m_calls;

public:
    FolderRenamePlan plan;
};

RenameRun::RenameRun(ProgramState &state, RenameWindow &window, const RenameCalls &calls)
    : m_state(state)
    , m_window(window)
    , m_calls(calls)
    , m_journal(state.RenameJournalPath, QDateTime::currentDateTimeUtc())
{ }

RenameRun::~RenameRun() = default;

void RenameRun::RenameAllFiles(WorkProgress &progress)
{
    if (m_window.showMessage(confirmation(m_window.namesKept())) != MessageAnswer::Yes)
        return;
    if (m_state.ListedFiles.files().empty()) {
        m_window.showMessage(emptyList());
        m_window.endProgram();
        return;
    }
    planFolders();
    m_window.setBusy(true);
    const bool walked = renameEach(progress);
    for (const auto &folder : m_folders)
        folder->plan.finish();
    countOutcomes();
    const bool undoable = m_journal.finish();
    // The journal on disk, if one is left, is of an older run.
    if (!undoable && m_renamed > 0)
        m_state.JournalIsOutdated = true;
    m_window.setBusy(false);
    if (walked)
        finish(undoable);
}

// One plan per folder over the entries the listing read, each file numbered in run order.
void RenameRun::planFolders()
{
    const FileList &listed = m_state.ListedFiles;
    QHash<int, QStringList> namesOfFolder;
    for (const ListedFile &file : listed.files())
        namesOfFolder[file.folder].append(fileNameOf(file.path));
    QHash<int, FolderRun *> runOfFolder;
    for (auto folder = namesOfFolder.cbegin(); folder != namesOfFolder.cend(); ++folder) {
        m_folders.push_back(std::make_unique<FolderRun>(
            listed.folderPath(folder.key()), listed.entryNamesOf(folder.key()), folder.value(), m_journal, m_calls));
        runOfFolder.insert(folder.key(), m_folders.back().get());
    }
    QHash<int, int> nextNumber;
    m_walk.reserve(listed.files().size());
    for (const ListedFile &file : listed.files())
        m_walk.push_back({file.path, runOfFolder.value(file.folder), nextNumber[file.folder]++});
}

bool RenameRun::renameEach(WorkProgress &progress)
{
    const qsizetype total = qsizetype(m_walk.size());
    for (qsizetype i = 0; i < total; ++i) {
        if (!progress.carryOn(WorkProgress::Work::Renaming, i, total)) {
            m_stoppedIn = total;
            break;
        }
        m_current = &m_walk[size_t(i)];
        const QString &path = m_current->path;
        m_state.CurrentFile.setIsMissingTags(false);
        if (!fileNameOf(path).toUpper().contains(u".MP3"_s)) {
            m_window.showMessage(notAnMP3File());
            return false;
        }
        m_state.ForceTagEdit = m_window.IsForceTagEdit();
        // Gone or unreadable since it was listed: it cannot be renamed.
        if (!IsMP3File(path) || !m_state.ListedFiles.load(m_state.CurrentFile, path)) {
            FolderRenamePlan &plan = m_current->folder->plan;
            if (lookUpEntry(path, Links::NotFollowed).kind == EntryKind::Missing)
                plan.forget(m_current->number);
            else
                plan.keep(m_current->number, RenameWarning::NotRenamed);
            continue;
        }
        RenameCurrentFile();
    }
    return true;
}

void RenameRun::RenameCurrentFile()
{
    MP3File &file = m_state.CurrentFile;
    FolderRenamePlan &plan = m_current->folder->plan;
    file.setNewFileName(BuildNewFileName(file, m_window.nameChoice(), m_state.IllegalChars));
    if (file.IsMissingTags()) {
        if (m_state.ForceTagEdit || m_window.showMessage(missingTags()) == MessageAnswer::Yes)
            EditTagsThenRename();
        else
            plan.keep(m_current->number, RenameWarning::NeedsTags);
        return;
    }
    if (m_state.ForceTagEdit) {
        EditTagsThenRename();
        return;
    }
    plan.give(m_current->number, file.NewFileName());
}

// One pass through the editor, then the file is named after its tag as it now stands.
// Each pass needs the person, so the nesting stays shallow.
void RenameRun::EditTagsThenRename()
{
    const QString path = m_state.CurrentFile.FileName();
    m_window.editTags();
    // Saving lists the files again, which loads others: take this one back.
    m_state.ListedFiles.load(m_state.CurrentFile, path);
    m_state.CurrentFile.setIsMissingTags(false);
    m_state.ForceTagEdit = false;
    RenameCurrentFile();
}

void RenameRun::countOutcomes()
{
    for (const WalkedFile &file : m_walk) {
        const FolderRenamePlan &plan = file.folder->plan;
        const RenameWarning outcome = plan.forecast(file.number).warning;
        if (plan.wasRenamed(file.number))
            ++m_renamed;
        else if (outcome == RenameWarning::NotRenamed || keepsNameInUse(outcome))
            ++m_failures;
    }
}

void RenameRun::finish(bool undoable)
{
    if (m_window.showMessage(completion(m_failures, undoable, m_renamed, m_stoppedIn)) == MessageAnswer::No)
        m_window.endProgram();
    else
        m_window.ScanFilesFromFolder();
}
