#include "platform/RenameWithoutReplacing.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>

#include <cerrno>
#include <cstring>

using namespace Qt::StringLiterals;

namespace {

// The kernel's calls with some of them failing as a file system without them would.
RenameCalls withFailing(int renameError, int linkError = 0, int unlinkError = 0)
{
    RenameCalls calls = RenameCalls::kernel();
    const auto failWith = [](int error) {
        return [error](auto...) {
            errno = error;
            return -1;
        };
    };
    if (renameError)
        calls.renameNoReplace = failWith(renameError);
    if (linkError)
        calls.link = failWith(linkError);
    if (unlinkError)
        calls.unlink = [kernel = calls.unlink, unlinkError](const char *path) {
            // Only the old name refuses to go; the clean-up of the new link still works.
            if (std::strstr(path, "old.mp3")) {
                errno = unlinkError;
                return -1;
            }
            return kernel(path);
        };
    return calls;
}

QStringList entries(const TempFolder &folder)
{
    return QDir(folder.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
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
    } cases[] = {
        {"renameat2", RenameCalls::kernel(), false, 0},
        {"renameat2, target exists", RenameCalls::kernel(), true, EEXIST},
        {"link and unlink", withFailing(EINVAL), false, 0},
        {"link and unlink, target exists", withFailing(ENOSYS), true, EEXIST},
        {"link, unlink refused", withFailing(EINVAL, 0, EACCES), false, EACCES},
        {"look then rename", withFailing(EINVAL, EPERM), false, 0},
        {"look then rename, target exists", withFailing(EINVAL, EOPNOTSUPP), true, EEXIST},
        {"renameat2 fails for good", withFailing(EIO), false, EIO},
    };
    for (const auto &c : cases) {
        TempFolder folder;
        const QString from = folder.write(u"old.mp3"_s, "old");
        const QString to = folder.path(u"New Name.mp3"_s);
        if (c.targetExists)
            folder.write(u"New Name.mp3"_s, "precious");

        const RenameOutcome outcome = renameWithoutReplacing(from, to, c.calls);
        EXPECT_EQ(outcome.renamed, c.error == 0) << c.route;
        EXPECT_EQ(outcome.error, c.error) << c.route;
        if (c.error == 0) {
            EXPECT_EQ(entries(folder), QStringList {u"New Name.mp3"_s}) << c.route;
            EXPECT_EQ(folder.read(u"New Name.mp3"_s), "old") << c.route;
        } else {
            EXPECT_EQ(folder.read(u"old.mp3"_s), "old") << c.route;
            EXPECT_EQ(folder.read(u"New Name.mp3"_s), c.targetExists ? "precious" : "") << c.route;
            EXPECT_EQ(entries(folder).size(), c.targetExists ? 2 : 1) << c.route;
        }
    }
}

TEST(RenameWithoutReplacing, SamePathIsDoneAndBadPathsAreRefused)
{
    TempFolder folder;
    const QString path = folder.write(u"a.mp3"_s, "a");
    EXPECT_TRUE(renameWithoutReplacing(path, path).renamed);
    EXPECT_EQ(renameWithoutReplacing(folder.path(u"gone.mp3"_s), folder.path(u"b.mp3"_s)).error, ENOENT);
    EXPECT_EQ(renameWithoutReplacing(path, folder.path(QString(300, u'x'))).error, ENAMETOOLONG);
    EXPECT_EQ(renameWithoutReplacing(path, path + QChar(u'\0') + u"b"_s).error, EINVAL);
    EXPECT_EQ(entries(folder), QStringList {u"a.mp3"_s});
}

// On a case-insensitive file system the new name "exists": it is the file itself.
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
    for (const RenameCalls &calls : {RenameCalls::kernel(), caseInsensitive}) {
        TempFolder folder;
        const QString from = folder.write(u"pink floyd - time.mp3"_s, "song");
        const RenameOutcome outcome = renameWithoutReplacing(from, folder.path(u"Pink Floyd - Time.mp3"_s), calls);
        EXPECT_TRUE(outcome.renamed);
        EXPECT_EQ(entries(folder), QStringList {u"Pink Floyd - Time.mp3"_s});
    }
}

TEST(RenameWithoutReplacing, PutsTheNameBackWhenTheCaseChangeFailsHalfWay)
{
    RenameCalls secondStepFails = RenameCalls::kernel();
    secondStepFails.renameNoReplace = [](const char *from, const char *to) {
        if (std::strstr(from, ".sorvane-rename-") && std::strstr(to, "Time")) {
            errno = EIO;
            return -1;
        }
        return RenameCalls::kernel().renameNoReplace(from, to);
    };
    TempFolder folder;
    const QString from = folder.write(u"pink floyd - time.mp3"_s, "song");
    const RenameOutcome outcome
        = renameWithoutReplacing(from, folder.path(u"Pink Floyd - Time.mp3"_s), secondStepFails);
    EXPECT_EQ(outcome.error, EIO);
    EXPECT_EQ(entries(folder), QStringList {u"pink floyd - time.mp3"_s});
}

// Where both spellings are separate files, the other one is never replaced.
TEST(RenameWithoutReplacing, NeverReplacesAFileSpelledInAnotherCase)
{
    TempFolder folder;
    const QString from = folder.write(u"a.mp3"_s, "lower");
    folder.write(u"A.mp3"_s, "upper");
    EXPECT_EQ(renameWithoutReplacing(from, folder.path(u"A.mp3"_s)).error, EEXIST);
    EXPECT_EQ(folder.read(u"A.mp3"_s), "upper");
    EXPECT_EQ(folder.read(u"a.mp3"_s), "lower");
}
