#pragma once

#include <QString>

class RenameWindow;

// "Undo Last Rename": after the person confirms, gives each file the last rename run renamed
// its old name back, newest first, never over an existing file, then lists the folder again.
// The renames that could not be undone stay in the journal; an unreadable journal is reported
// and set aside without renaming anything.
void UndoLastRename(const QString &journalPath, RenameWindow &window);
