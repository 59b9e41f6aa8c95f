#include "platform/RegularFile.h"
#include "support/FileOpens.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cerrno>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <tuple>
#include <utility>

using namespace Qt::StringLiterals;

// Opening a device can act on it (a tape rewinds), so a device under a file's name is only
// looked at, also through a link. Looking an entry up with O_PATH is no open; reading,
// writing, or opening a FIFO without blocking is.
TEST(RegularFile, OpensARegularFileAndNothingElse)
{
    TempFolder folder;
    const QByteArray device = QFile::encodeName(folder.path(u"null"_s));
    const bool madeDevice = ::mknod(device.constData(), S_IFCHR | 0666, makedev(1, 3)) == 0;
    const QString deviceLink = folder.path(u"device.mp3"_s);
    ASSERT_TRUE(QFile::link(folder.path(u"null"_s), deviceLink));
    // what the path names, the path, the error (0: opened)
    const std::tuple<const char *, QString, int> cases[] = {
        {"regular file", folder.write(u"a.mp3"_s, "song"), 0},
        {"folder", folder.makeFolder(u"folder.mp3"_s), EISDIR},
        {"FIFO", folder.makeFifo(u"fifo.mp3"_s), EINVAL},
        {"missing", folder.path(u"missing.mp3"_s), ENOENT},
        {"link to a device", deviceLink, madeDevice ? EINVAL : ENOENT},
    };
    const std::pair<const char *, RegularFile (*)(const QString &)> openers[] = {
        {"read", [](const QString &path) { return RegularFile::open(path, RegularFile::Access::Read); }},
        {"read and write", [](const QString &path) { return RegularFile::open(path, RegularFile::Access::ReadWrite); }},
        {"read unpinned", RegularFile::openForReadingUnpinned},
    };
    for (const auto &[how, open] : openers) {
        SCOPED_TRACE(how);
        for (const auto &[what, path, error] : cases) {
            FileOpens opens(path);
            const RegularFile file = open(path);
            EXPECT_EQ(file.isOpen(), error == 0) << what;
            EXPECT_EQ(file.error(), error) << what;
            EXPECT_EQ(opens.sinceLastCount() > 0, error == 0) << what;
        }
    }
    if (!madeDevice)
        GTEST_SKIP() << "making a device node needs root: the device case was left out";
}
