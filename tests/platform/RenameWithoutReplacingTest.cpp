#include "platform/RenameWithoutReplacing.h"
#include "support/MarkedFiles.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>

#include <cerrno>
#include <cstring>
#include <fstream>

using namespace Qt::StringLiterals;

namespace {

// Which of the kernel's calls fail, and with what, where their paths hold from and to; 0 leaves
// the call to the kernel.
struct Failures
{
    int renameNoReplace = 0;
    int link = 0;
    int unlink = 0;
    int createExclusive = 0;
    int rename = 0;
    const char *from = "";
    const char *to = ""; // for the calls that take two paths
};

// The kernel's calls with some of them failing as a file system without them would.
RenameCalls failing(const Failures &failures)
{
    const RenameCalls &kernel = RenameCalls::kernel();
    const auto failWith = [&failures](auto call, int error) {
        return [=, from = failures.from, to = failures.to](const char *path, auto... rest) {
            if (error == 0 || !std::strstr(path, from) || !(std::strstr(rest, to) && ...))
                return call(path, rest...);
            errno = error;
            return -1;
        };
    };
    return {failWith(kernel.renameNoReplace, failures.renameNoReplace), failWith(kernel.link, failures.link),
        failWith(kernel.unlink, failures.unlink), failWith(kernel.createExclusive, failures.createExclusive),
        kernel.lstat, failWith(kernel.rename, failures.rename)};
}

} // namespace

// Moves "old.mp3" to the new name on each route, and checks what the folder holds after.
// A change of case only passes through a temporary name, as a case-insensitive file system
// would take the new name for the file itself; a long name's temporary name is cut to fit,
// and a second step that fails is undone. Should the undo fail too, the file stays under the
// temporary name, which a person can see and the listing passes over.
TEST(RenameWithoutReplacing, RenamesOrRefusesOnEveryRoute)
{
    const RenameCalls claimRoute = failing({.renameNoReplace = EINVAL, .link = EPERM});
    // Another program puts a file on the placeholder just before the rename, which then fails.
    RenameCalls placeholderTakenOver = claimRoute;
    placeholderTakenOver.rename = [](const char *, const char *to) {
        std::ofstream(to) << "precious";
        errno = EIO;
        return -1;
    };
    const QString longName = QString(118, u'\u00f6') + u"old.mp3"_s; // 243 bytes
    const struct
    {
        const char *route;
        RenameCalls calls;
        bool targetExists;
        int error; // 0: renamed
        QByteArray leftAtNewName = {}; // after a failure; empty: nothing there
        QString to = u"New Name.mp3"_s;
        QString from = u"old.mp3"_s;
        bool leftUnderATemporaryName = false; // after a failure: the old name with a suffix
    } cases[] = {
        {"renameat2", RenameCalls::kernel(), false, 0},
        {"renameat2, target exists", RenameCalls::kernel(), true, EEXIST, "precious"},
        {"link and unlink", failing({.renameNoReplace = EINVAL}), false, 0},
        {"link and unlink, target exists", failing({.renameNoReplace = ENOSYS}), true, EEXIST, "precious"},
        // Removing anything but "old.mp3" still works, so the link can be taken back.
        {"link, unlink refused", failing({.renameNoReplace = EINVAL, .unlink = EACCES, .from = "old.mp3"}), false,
            EACCES},
        {"claim then rename", claimRoute, false, 0},
        {"claim, target exists", failing({.renameNoReplace = EINVAL, .link = EOPNOTSUPP}), true, EEXIST, "precious"},
        {"claim refused: a name the file system cannot hold",
            failing({.renameNoReplace = EINVAL, .link = EPERM, .createExclusive = EPERM}), false, EPERM},
        {"rename after the claim fails: placeholder removed",
            failing({.renameNoReplace = EINVAL, .link = EPERM, .rename = EIO}), false, EIO},
        {"placeholder taken over: left alone", placeholderTakenOver, false, EIO, "precious"},
        {"renameat2 fails for good", failing({.renameNoReplace = EIO}), false, EIO},
        {"same path", RenameCalls::kernel(), false, 0, {}, u"old.mp3"_s},
        {"a NUL in the new path", RenameCalls::kernel(), false, EINVAL, {}, u"old.mp3\0b"_s},
        {"the other spelling is another file", RenameCalls::kernel(), true, EEXIST, "precious", u"OLD.mp3"_s},
        {"case only", RenameCalls::kernel(), false, 0, {}, u"OLD.MP3"_s},
        {"case only, claim then rename", claimRoute, false, 0, {}, u"OLD.MP3"_s},
        {"case only, a long name", RenameCalls::kernel(), false, 0, {}, longName.toUpper(), longName},
        {"case only, second step fails: undone", failing({.renameNoReplace = EIO, .from = "~sorvane-", .to = "OLD"}),
            false, EIO, {}, u"OLD.MP3"_s},
        {"case only, the undo fails too", failing({.renameNoReplace = EIO, .from = "~sorvane-"}), false, EIO, {},
            u"OLD.MP3"_s, u"old.mp3"_s, true},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.route);
        TempFolder folder;
        const QString from = folder.write(c.from, "old");
        if (c.targetExists)
            folder.write(c.to, "precious");

        const RenameOutcome outcome = renameWithoutReplacing(from, folder.path(c.to), c.calls);
        EXPECT_EQ(outcome.renamed, c.error == 0);
        EXPECT_EQ(outcome.error, c.error);
        QHash<QString, QByteArray> left {{c.error == 0 ? c.to : c.from, "old"}};
        if (c.leftUnderATemporaryName)
            left = {{QDir(folder.path()).entryList({c.from + u"~*"_s}, QDir::Files).value(0), "old"}};
        if (!c.leftAtNewName.isEmpty())
            left.insert(c.to, c.leftAtNewName);
        expectMarkedFiles(folder.path(), left);
    }
}
