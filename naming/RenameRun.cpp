#include "naming/RenameRun.h"

#include "naming/NewFileNameBuilder.h"
#include "naming/ProgramState.h"
#include "platform/RenameWithoutReplacing.h"

using namespace Qt::StringLiterals;

namespace {

Message confirmation(int filesKeepingNames)
{
    QString text;
    if (filesKeepingNames > 0)
        text = u"%1 file(s) would keep their names because the new name is already in use.\n"_s.arg(filesKeepingNames);
    return {u"Rename All Files?"_s,
        text
            + u"Are you sure you wish to proceed?  This will rename all of the \n"
              "MP3 files as they appear in the grid on the screen."_s,
        MessageButtons::YesNo, MessageIcon::Question};
}

const Message kEmptyList {
    u"Unable to Proceed"_s, u"Please select an MP3 file to rename."_s, MessageButtons::Ok, MessageIcon::Critical};
const Message kNotAnMP3File {u"Please Select Only MP3 Files"_s,
    u"Some of the file(s) selected were not MP3 files.  These files will not be processed."_s, MessageButtons::Ok,
    MessageIcon::Information};
const Message kMissingTags {u"ID3 Tags Required"_s,
    u"Some of the file(s) selected are missing certain ID3 tags.  Do you wish to add these "
    "in now?\n\nThe file(s) will only be renamed once it has all required tags."_s,
    MessageButtons::YesNo, MessageIcon::Question};

// filesInRun: the number of files the run was to walk, when the person stopped it.
Message completion(int failures, bool undoable, qsizetype renamed, std::optional<qsizetype> filesInRun)
{
    QString text = filesInRun ? u"The run was stopped: %L1 of %L2 files were renamed.\n"_s.arg(renamed).arg(*filesInRun)
                              : u"Files have been renamed as listed in the list displayed on the screen.\n"_s;
    if (failures > 0)
        text += QString::number(failures) + u" file(s) could not be renamed.\n"_s;
    if (!undoable)
        text += u"Undo will not be available for this run.\n"_s;
    return {u"Rename Complete!"_s, text + u"Do you wish to rename more files?"_s, MessageButtons::YesNo,
        MessageIcon::Question};
}

} // namespace

RenameRun::RenameRun(ProgramState &state, RenameWindow &window)
    : m_state(state)
    , m_window(window)
    , m_journal(state.RenameJournalPath)
{ }

void RenameRun::RenameAllFiles(WorkProgress &progress)
{
    if (m_window.showMessage(confirmation(m_window.filesKeepingNames())) != MessageAnswer::Yes)
        return;
    // Paths, not the entries: saving a tag in the editor lists the files again under the walk.
    QStringList files;
    files.reserve(qsizetype(m_state.ListedFiles.files().size()));
    for (const ListedFile &file : m_state.ListedFiles.files())
        files.append(file.path);
    if (files.isEmpty()) {
        m_window.showMessage(kEmptyList);
        m_window.endProgram();
        return;
    }
    m_window.setBusy(true);
    const bool walked = renameEach(files, progress);
    const bool undoable = m_journal.finish();
    m_window.setBusy(false);
    if (walked)
        finish(undoable);
}

bool RenameRun::renameEach(const QStringList &paths, WorkProgress &progress)
{
    for (qsizetype i = 0; i < paths.size(); ++i) {
        if (!progress.carryOn(WorkProgress::Work::Renaming, i, paths.size())) {
            m_stoppedIn = paths.size();
            break;
        }
        const QString &path = paths[i];
        m_state.CurrentFile.setIsMissingTags(false);
        if (!fileNameOf(path).toUpper().contains(u".MP3"_s)) {
            m_window.showMessage(kNotAnMP3File);
            return false;
        }
        m_state.ForceTagEdit = m_window.IsForceTagEdit();
        // Gone or unreadable since it was listed: it cannot be renamed.
        if (!IsMP3File(path) || !m_state.ListedFiles.load(m_state.CurrentFile, path)) {
            ++m_failures;
            continue;
        }
        RenameCurrentFile();
    }
    return true;
}

void RenameRun::RenameCurrentFile()
{
    MP3File &file = m_state.CurrentFile;
    file.setNewFileName(BuildNewFileName(file, m_window.conventionIndex(), m_state.IllegalChars));
    if (file.IsMissingTags()) {
        if (m_state.ForceTagEdit || m_window.showMessage(kMissingTags) == MessageAnswer::Yes)
            EditTagsThenRename();
        return;
    }
    if (m_state.ForceTagEdit) {
        EditTagsThenRename();
        return;
    }
    // Each file is renamed within the folder it lies in.
    const QString folder = folderOf(file.FileName());
    const QString newPath = folder + file.NewFileName();
    if (!renameWithoutReplacing(file.FileName(), newPath).renamed) {
        ++m_failures;
        return;
    }
    if (newPath == file.FileName())
        return;
    ++m_renamed;
    m_journal.record({folder, fileNameOf(file.FileName()), file.NewFileName()});
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

void RenameRun::finish(bool undoable)
{
    if (m_window.showMessage(completion(m_failures, undoable, m_renamed, m_stoppedIn)) == MessageAnswer::No)
        m_window.endProgram();
    else
        m_window.ScanFilesFromFolder();
}
