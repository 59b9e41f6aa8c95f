#include "platform/RenameWithoutReplacing.h"

#include "platform/FileLookup.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <stdio.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

RenameOutcome renamed()
{
    return {true, 0};
}

RenameOutcome failed(int error)
{
    return {false, error};
}

// One rename that never replaces, with the best the file system offers.
RenameOutcome moveNoReplace(const QByteArray &from, const QByteArray &to, const RenameCalls &calls)
{
    if (calls.renameNoReplace(from.constData(), to.constData()) == 0)
        return renamed();
    // The kernel checks for an existing target before it asks the file system, so only
    // "not supported here" leads to a fallback.
    if (errno != EINVAL && errno != ENOSYS)
        return failed(errno);

    // A hard link cannot replace anything either.
    if (calls.link(from.constData(), to.constData()) == 0) {
        if (calls.unlink(from.constData()) == 0)
            return renamed();
        const int error = errno;
        calls.unlink(to.constData());
        return failed(error);
    }
    if (errno != EPERM && errno != EOPNOTSUPP)
        return failed(errno);

    // FAT and exFAT have neither: look, then rename. Between the look and the rename
    // another program could create the target, which the rename would then replace; this
    // is the one step with that race.
    if (calls.lstatExists(to.constData()) == 0)
        return failed(EEXIST);
    if (errno != ENOENT)
        return failed(errno);
    return calls.rename(from.constData(), to.constData()) == 0 ? renamed() : failed(errno);
}

QString folderOf(const QString &path)
{
    return path.left(path.lastIndexOf(u'/') + 1);
}

// Whether folder has an entry spelled exactly name. On a case-insensitive file system a
// lookup of the name would also find the same name in another case.
bool holdsExactName(const QString &folder, const QString &name)
{
    const std::unique_ptr<DIR, int (*)(DIR *)> directory(
        ::opendir(QFile::encodeName(folder.isEmpty() ? u"."_s : folder).constData()), ::closedir);
    if (!directory)
        return true; // cannot tell: take the safe road
    const QByteArray wanted = QFile::encodeName(name);
    while (const dirent *entry = ::readdir(directory.get())) {
        if (wanted == entry->d_name)
            return true;
    }
    return false;
}

// A case-only change goes through a temporary name, so the file system never sees a rename
// onto what it takes for the file itself. If the second step fails, the first is undone.
RenameOutcome changeCaseOnly(
    const QByteArray &from, const QByteArray &to, const QString &folder, const RenameCalls &calls)
{
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString temporary
            = folder + u".sorvane-rename-"_s + QString::number(QRandomGenerator::global()->generate64(), 36);
        const QByteArray through = QFile::encodeName(temporary);
        const RenameOutcome first = moveNoReplace(from, through, calls);
        if (!first.renamed && first.error == EEXIST)
            continue;
        if (!first.renamed)
            return first;
        const RenameOutcome second = moveNoReplace(through, to, calls);
        if (!second.renamed)
            moveNoReplace(through, from, calls);
        return second;
    }
    return failed(EEXIST);
}

} // namespace

const RenameCalls &RenameCalls::kernel()
{
    static const RenameCalls calls {
        [](const char *from, const char *to) { return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE); },
        [](const char *from, const char *to) { return ::link(from, to); },
        [](const char *path) { return ::unlink(path); },
        [](const char *path) {
            struct stat info
            {
            };
            return ::lstat(path, &info);
        },
        [](const char *from, const char *to) { return ::rename(from, to); },
    };
    return calls;
}

RenameOutcome renameWithoutReplacing(const QString &from, const QString &to, const RenameCalls &calls)
{
    if (from == to)
        return renamed();
    const auto nativeFrom = nativePath(from);
    const auto nativeTo = nativePath(to);
    if (!nativeFrom || !nativeTo)
        return failed(EINVAL);
    const QString folder = folderOf(to);
    const bool caseOnly = folderOf(from) == folder && fileNameOf(from) != fileNameOf(to)
        && fileNameOf(from).compare(fileNameOf(to), Qt::CaseInsensitive) == 0
        && !holdsExactName(folder, fileNameOf(to));
    return caseOnly ? changeCaseOnly(*nativeFrom, *nativeTo, folder, calls)
                    : moveNoReplace(*nativeFrom, *nativeTo, calls);
}
