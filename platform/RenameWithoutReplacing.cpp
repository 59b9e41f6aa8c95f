#include "platform/RenameWithoutReplacing.h"

#include "platform/FileLookup.h"

#include <QFile>
#include <QRandomGenerator>

#include <cerrno>
#include <climits>
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

// Removes the claimed name while it is still an empty regular file: anything else is no
// longer the placeholder.
void removePlaceholder(const QByteArray &path, const RenameCalls &calls)
{
    struct stat info
    {
    };
    if (calls.lstat(path.constData(), &info) == 0 && S_ISREG(info.st_mode) && info.st_size == 0)
        calls.unlink(path.constData());
}

// One rename that never replaces, with the best the file system offers.
RenameOutcome moveNoReplace(
    const QByteArray &from, const QByteArray &to, const RenameCalls &calls, const BeforeStrandingStep &beforeStep)
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

    // FAT and exFAT through FUSE have neither. Claiming the name with an empty placeholder
    // first refuses a taken name or one the file system cannot hold before the file is
    // touched: some drivers drop the old entry before they find the new name impossible.
    // The rename then replaces only the placeholder, unless another program replaced that
    // in the instant between.
    if (beforeStep)
        beforeStep(StrandingStep::Claim, QFile::decodeName(to));
    if (calls.createExclusive(to.constData()) != 0)
        return failed(errno);
    if (calls.rename(from.constData(), to.constData()) == 0)
        return renamed();
    const int error = errno;
    removePlaceholder(to, calls);
    return failed(error);
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
// onto what it takes for the file itself. If the second step fails, the first is undone;
// should the undo fail too, the file keeps the temporary name and counts as not renamed.
RenameOutcome changeCaseOnly(const QByteArray &from, const QByteArray &to, const QString &oldPath,
    const RenameCalls &calls, const BeforeStrandingStep &beforeStep)
{
    const QString folder = folderOf(oldPath);
    for (int attempt = 0; attempt < 100; ++attempt) {
        const QString throughPath = folder + temporaryNameFor(fileNameOf(oldPath));
        const QByteArray through = QFile::encodeName(throughPath);
        if (beforeStep)
            beforeStep(StrandingStep::Through, throughPath);
        const RenameOutcome first = moveNoReplace(from, through, calls, beforeStep);
        if (!first.renamed && first.error == EEXIST)
            continue;
        if (!first.renamed)
            return first;
        const RenameOutcome second = moveNoReplace(through, to, calls, beforeStep);
        if (!second.renamed)
            moveNoReplace(through, from, calls, beforeStep);
        return second;
    }
    return failed(EEXIST);
}

} // namespace

QString temporaryNameFor(const QString &oldName)
{
    const QString suffix = u"~sorvane-"_s + QString::number(QRandomGenerator::global()->generate64(), 36);
    QString base = oldName;
    while (!base.isEmpty() && QFile::encodeName(base + suffix).size() > NAME_MAX)
        base.chop(base.size() >= 2 && base.back().isLowSurrogate() ? 2 : 1);
    while (base.startsWith(u'.'))
        base.remove(0, 1);
    return base + suffix;
}

const RenameCalls &RenameCalls::kernel()
{
    static const RenameCalls calls {
        [](const char *from, const char *to) { return ::renameat2(AT_FDCWD, from, AT_FDCWD, to, RENAME_NOREPLACE); },
        [](const char *from, const char *to) { return ::link(from, to); },
        [](const char *path) { return ::unlink(path); },
        [](const char *path) {
            const int fd = ::open(path, O_CREAT | O_EXCL | O_WRONLY | O_NOFOLLOW | O_CLOEXEC, 0600);
            if (fd < 0)
                return -1;
            ::close(fd); // nothing was written, so nothing can be lost on close
            return 0;
        },
        [](const char *path, struct stat *info) { return ::lstat(path, info); },
        [](const char *from, const char *to) { return ::rename(from, to); },
    };
    return calls;
}

RenameOutcome renameWithoutReplacing(
    const QString &from, const QString &to, const RenameCalls &calls, const BeforeStrandingStep &beforeStep)
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
    return caseOnly ? changeCaseOnly(*nativeFrom, *nativeTo, from, calls, beforeStep)
                    : moveNoReplace(*nativeFrom, *nativeTo, calls, beforeStep);
}
