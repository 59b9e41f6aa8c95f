#pragma once

#include <QString>

#include <functional>

struct stat;

// The kernel calls a rename is made of. Each returns 0, or -1 with errno set, like the
// system call of its name; tests put failing ones in to reach every fallback.
struct RenameCalls
{
    std::function<int(const char *from, const char *to)> renameNoReplace; // renameat2 RENAME_NOREPLACE
    std::function<int(const char *from, const char *to)> link;
    std::function<int(const char *path)> unlink;
    // Creates path as an empty file, never over an existing entry, and closes it at once.
    std::function<int(const char *path)> createExclusive;
    std::function<int(const char *path, struct stat *info)> lstat;
    std::function<int(const char *from, const char *to)> rename;

    static const RenameCalls &kernel();
};

struct RenameOutcome
{
    bool renamed = false;
    int error = 0; // errno when not renamed
};

// A step after which a program killed at that instant would leave the file, or an empty
// placeholder, under a name nobody chose: the file's temporary name during a change of case
// only, or the placeholder that claims the new name where the file system has no rename
// that refuses to replace. Told before the step, with the temporary or the claimed path.
enum class StrandingStep { Through, Claim };
using BeforeStrandingStep = std::function<void(StrandingStep step, const QString &path)>;

// A name for a file on its way elsewhere in the same folder: the old name with a suffix, so
// a person finds the file should it have to stay there, while the listing, which takes
// names ending in ".mp3" and not starting with ".", passes it over. Within NAME_MAX bytes.
QString temporaryNameFor(const QString &oldName);

// Gives the file at from the path to, never replacing a file that has that path: the
// answer is EEXIST then. Works where the kernel cannot rename without replacing (NFS, FUSE,
// FAT), and changes the case of a name on case-insensitive file systems too. Where the file
// system has neither a no-replace rename nor hard links, the new name is first claimed with
// an empty placeholder, so a name it cannot hold fails before the file is touched; there the
// one race left is another program replacing that placeholder in the instant before the
// file is renamed onto it. The same path for both counts as done.
RenameOutcome renameWithoutReplacing(const QString &from, const QString &to,
    const RenameCalls &calls = RenameCalls::kernel(), const BeforeStrandingStep &beforeStep = {});
