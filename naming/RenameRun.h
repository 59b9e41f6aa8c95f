#pragma once

#include "naming/FolderRenamePlan.h"
#include "naming/NameChoice.h"
#include "naming/RenameJournal.h"
#include "naming/WorkProgress.h"
#include "platform/Message.h"
#include "platform/RenameWithoutReplacing.h"

#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

struct ProgramState;

// What a rename run needs from the window it runs in.
class RenameWindow
{
public:
    virtual ~RenameWindow() = default;

    virtual MessageAnswer showMessage(const Message &message) = 0;
    // The busy pointer over the window while the run works.
    virtual void setBusy(bool busy) = 0;
    // Whether "Force Tag Edit" is ticked; greyed counts as not ticked.
    virtual bool IsForceTagEdit() = 0;
    virtual NameChoice nameChoice() = 0;
    // How many listed files would keep their names, as the grid forecasts.
    virtual NamesKept namesKept() = 0;
    // The tag editor on the file in hand, modal; returns once it is closed, saved or not.
    virtual void editTags() = 0;
    virtual void ScanFilesFromFolder() = 0;
    virtual void endProgram() = 0;
};

// "Rename All Files": after the person confirms, every listed file is loaded, named after
// its tag under the chosen convention and renamed within its own folder, never over an
// existing file, in the order the folder's plan gives (a file whose new name another listed
// file holds waits until that one has moved on). The progress may stop the run between two
// files. A file whose tag lacks a field the convention needs, or every file while "Force Tag
// Edit" is ticked, goes through the tag editor first. Every rename is written to the journal
// that "Undo Last Rename" reads before it is made.
class RenameRun
{
public:
    // calls: how files are renamed; tests put in calls that fail or kill the program.
    RenameRun(ProgramState &state, RenameWindow &window, const RenameCalls &calls = RenameCalls::kernel());
    ~RenameRun();

    void RenameAllFiles(WorkProgress &progress);

private:
    class FolderRun;
    struct WalkedFile
    {
        QString path;
        FolderRun *folder;
        // The file's number in its folder's plan.
        int number;
    };

    void planFolders();
    // Walks the files; false when a file that is no MP3 file stopped the run.
    bool renameEach(WorkProgress &progress);
    void RenameCurrentFile();
    void EditTagsThenRename();
    void countOutcomes();
    void finish(bool undoable);

    ProgramState &m_state;
    RenameWindow &m_window;
    const RenameCalls &m_calls;
    RenameJournalWriter m_journal;
    std::vector<std::unique_ptr<FolderRun>> m_folders;
    // Copied when the run starts: saving a tag in the editor lists the files again under the walk.
    std::vector<WalkedFile> m_walk;
    const WalkedFile *m_current = nullptr;
    int m_failures = 0;
    qsizetype m_renamed = 0;
    // The number of files the run was to walk, once the progress stopped it.
    std::optional<qsizetype> m_stoppedIn;
};
