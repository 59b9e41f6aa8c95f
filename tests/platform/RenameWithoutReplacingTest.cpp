#include "platform/RenameWithoutReplacing.h"
#include "support/MarkedFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// Which of the kernel's calls fail, and with what; 0 leaves the call to the kernel.
struct Failures
{
    int renameNoReplace = 0;
    int link = 0;
    int unlinkOld = 0; // only for "old.mp3": removing anything else still works
    int createExclusive = 0;
    int rename = 0;
};

// The kernel's calls with some of them failing as a file system without them would.
RenameCalls failing(const Failures &failures)
{
    const RenameCalls &kernel = RenameCalls::kernel();
    // A call that fails with error, for paths holding only; 0 leaves it to the kernel.
    const auto failWith = [](auto call, int error, const char *only = "") {
        return [=](const char *path, auto... rest) {
            if (error == 0 || !std::strstr(path, only))
                return call(path, rest...);
            errno = error;
            return -1;
        };
    };
    return {failWith(kernel.renameNoReplace, failures.renameNoReplace), failWith(kernel.link, failures.link),
        failWith(kernel.unlink, failures.unlinkOld, "old.mp3"),
        failWith(kernel.createExclusive, failures.createExclusive), kernel.lstat,
        failWith(kernel.rename, failures.rename)};
}

// Where only the claim route works: another program puts a file on the placeholder just
// before the rename, which then fails.
RenameCalls placeholderTakenOverBeforeTheRename()
{
    RenameCalls calls = failing({.renameNoReplace = EINVAL, .link = EPERM});
    calls.rename = [](const char *, const char *to) {
        QFile other(QFile::decodeName(to));
        if (other.open(QIODevice::WriteOnly))
            other.write("precious");
        errno = EIO;
        return -1;
    };
    return calls;
}

} // namespace

TEST(RenameWithoutReplacing, RenamesOrRefusesOnEveryRoute)
{
    const struct
    {
        const char *route;
        RenameCalls calls;
        bool targetExists;
        int error; // 0: renamed
        QByteArray leftAtNewName = {}; // after a failure; empty: nothing there
    } cases[] = {
        {"renameat2", RenameCalls::kernel(), false, 0},
        {"renameat2, target exists", RenameCalls::kernel(), true, EEXIST, "precious"},
        {"link and unlink", failing({.renameNoReplace = EINVAL}), false, 0},
        {"link and unlink, target exists", failing({.renameNoReplace = ENOSYS}), true, EEXIST, "precious"},
        {"link, unlink refused", failing({.renameNoReplace = EINVAL, .unlinkOld = EACCES}), false, EACCES},
        {"claim then rename", failing({.renameNoReplace = EINVAL, .link = EPERM}), false, 0},
        {"claim then rename, target exists", failing({.renameNoReplace = EINVAL, .link = EOPNOTSUPP}), true, EEXIST,
            "precious"},
        {"claim refused: a name the file system cannot hold",
            failing({.renameNoReplace = EINVAL, .link = EPERM, .createExclusive = EPERM}), false, EPERM},
        {"rename after the claim fails: placeholder removed",
            failing({.renameNoReplace = EINVAL, .link = EPERM, .rename = EIO}), false, EIO},
        {"placeholder taken over: left alone", placeholderTakenOverBeforeTheRename(), false, EIO, "precious"},
        {"renameat2 fails for good", failing({.renameNoReplace = EIO}), false, EIO},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.route);
        TempFolder folder;
        const QString from = folder.write(u"old.mp3"_s, "old");
        if (c.targetExists)
            folder.write(u"New Name.mp3"_s, "precious");

        const RenameOutcome outcome = renameWithoutReplacing(from, folder.path(u"New Name.mp3"_s), c.calls);
        EXPECT_EQ(outcome.renamed, c.error == 0);
        EXPECT_EQ(outcome.error, c.error);
        QHash<QString, QByteArray> left {{c.error == 0 ? u"New Name.mp3"_s : u"old.mp3"_s, "old"}};
        if (!c.leftAtNewName.isEmpty())
            left.insert(u"New Name.mp3"_s, c.leftAtNewName);
        expectMarkedFiles(folder.path(), left);
    }
}

// Where both spellings of a name are separate files, the other one is never replaced.
TEST(RenameWithoutReplacing, SamePathIsDoneAndBadPathsAndOtherSpellingsAreRefused)
{
    TempFolder folder;
    const QString path = folder.write(u"a.mp3"_s, "a");
    folder.write(u"A.mp3"_s, "upper");
    EXPECT_TRUE(renameWithoutReplacing(path, path).renamed);
    EXPECT_EQ(renameWithoutReplacing(folder.path(u"gone.mp3"_s), folder.path(u"b.mp3"_s)).error, ENOENT);
    EXPECT_EQ(renameWithoutReplacing(path, folder.path(QString(300, u'x'))).error, ENAMETOOLONG);
    EXPECT_EQ(renameWithoutReplacing(path, path + QChar(u'\0') + u"b"_s).error, EINVAL);
    EXPECT_EQ(renameWithoutReplacing(path, folder.path(u"A.mp3"_s)).error, EEXIST);
    expectMarkedFiles(folder.path(), {{u"a.mp3"_s, "a"}, {u"A.mp3"_s, "upper"}});
}

// On a case-insensitive file system the new name "exists": it is the file itself. A long
// name changes case too: the temporary name is cut to fit.
TEST(RenameWithoutReplacing, ChangesOnlyTheCaseThroughATemporaryName)
{
    RenameCalls caseInsensitive = RenameCalls::kernel();
    caseInsensitive.renameNoReplace = [](const char *from, const char *to) {
        if (QByteArray(from).toLower() == QByteArray(to).toLower()) {
            errno = EEXIST;
            return -1;
        }
        return RenameCalls::kernel().renameNoReplace(from, to);
    };
    const QString longName = QString(122, u'\u00f6') + u".mp3"_s; // 248 bytes
    for (const RenameCalls &calls :
        {RenameCalls::kernel(), caseInsensitive, failing({.renameNoReplace = EINVAL, .link = EPERM})}) {
        for (const QString &name : {u"pink floyd - time.mp3"_s, longName}) {
            TempFolder folder;
            const QString from = folder.write(name, "song");
            const QString newName = name.toUpper();
            EXPECT_TRUE(renameWithoutReplacing(from, folder.path(newName), calls).renamed);
            expectMarkedFiles(folder.path(), {{newName, "song"}});
        }
    }
}

// The first step went through; the second fails, and so may the way back. The file then
// stays under the temporary name, which a person can see and the listing passes over.
TEST(RenameWithoutReplacing, CaseChangeThatFailsHalfWayKeepsTheFileFindable)
{
    for (const bool undoFails : {false, true}) {
        RenameCalls calls = RenameCalls::kernel();
        calls.renameNoReplace = [undoFails](const char *from, const char *to) {
            if (std::strstr(from, "~sorvane-") && (undoFails || std::strstr(to, "Time"))) {
                errno = EIO;
                return -1;
            }
            return RenameCalls::kernel().renameNoReplace(from, to);
        };
        TempFolder folder;
        const QString from = folder.write(u"pink floyd - time.mp3"_s, "song");
        EXPECT_EQ(renameWithoutReplacing(from, folder.path(u"Pink Floyd - Time.mp3"_s), calls).error, EIO);
        const QStringList left = QDir(folder.path()).entryList(QDir::Files | QDir::Hidden);
        ASSERT_EQ(left.size(), 1);
        EXPECT_TRUE(undoFails ? left.front().startsWith(u"pink floyd - time.mp3~"_s)
                              : left.front() == u"pink floyd - time.mp3"_s)
            << left.front().toStdString();
        EXPECT_EQ(folder.read(left.front()), "song");
    }
}
