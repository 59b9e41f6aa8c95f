#pragma once

#include "platform/Message.h"
#include "platform/RenameWithoutReplacing.h"

#include <QString>

#include <optional>

// Puts right what a rename run or an undo killed part way through left half done, as the
// journal tells: a file under a temporary name gets the name it was on its way to or, that
// one being taken, the other name of its rename; an empty placeholder that claimed a name is
// removed. The journal is then written anew with the renames that stand. Returns the box that
// says what was put right, or nothing when nothing needed it.
std::optional<Message> FinishInterruptedRename(
    const QString &journalPath, const RenameCalls &calls = RenameCalls::kernel());
