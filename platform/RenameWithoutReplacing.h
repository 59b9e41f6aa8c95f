#pragma once

#include <QString>

#include <functional>

// The kernel calls a rename is made of. Each returns 0, or -1 with errno set, like the
// system call of its name; tests put failing ones in to reach every fallback.
struct RenameCalls
{
    std::function<int(const char *from, const char *to)> renameNoReplace; // renameat2 RENAME_NOREPLACE
    std::function<int(const char *from, const char *to)> link;
    std::function<int(const char *path)> unlink;
    std::function<int(const char *path)> lstatExists; // lstat, for whether an entry exists
    std::function<int(const char *from, const char *to)> rename;

    static const RenameCalls &kernel();
};

struct RenameOutcome
{
    bool renamed = false;
    int error = 0; // errno when not renamed
};

// Gives the file at from the path to, never replacing a file that has that path: the
// answer is EEXIST then. Works where the kernel cannot rename without replacing (NFS, FUSE,
// FAT), and changes the case of a name on case-insensitive file systems too. The same path
// for both counts as done.
RenameOutcome renameWithoutReplacing(
    const QString &from, const QString &to, const RenameCalls &calls = RenameCalls::kernel());
