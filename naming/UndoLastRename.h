#pragma once

#include "platform/RenameWithoutReplacing.h"

#include <QString>

class RenameWindow;

// "Undo Last Rename": after the person confirms (the box names the folder, the number of
// files and when the run was made), gives each file the last rename run renamed its old name
// back, newest first, never over an existing file, then lists the folder again. Only the
// run's own files are renamed: a regular file with the recorded device and inode, in the
// recorded folder itself. A file already under its old name counts as given back; a record
// whose old name is taken stays in the journal for another try; any other is dropped. An
// unreadable journal is reported and set aside without renaming anything.
void UndoLastRename(const QString &journalPath, RenameWindow &window, const RenameCalls &calls = RenameCalls::kernel());
