#include "platform/RegularFile.h"
#include "support/FileOpens.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cerrno>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

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
    ASSERT_EQ(::symlink(device.constData(), QFile::encodeName(deviceLink).constData()), 0);
    const struct
    {
        const char *what;
        QString path;
        int error; // 0: opened
    } cases[] = {
        {"regular file", folder.write(u"a.mp3"_s, "song"), 0},
        {"folder", folder.makeFolder(u"folder.mp3"_s), EISDIR},
        {"FIFO", folder.makeFifo(u"fifo.mp3"_s), EINVAL},
        {"missing", folder.path(u"missing.mp3"_s), ENOENT},
        {"link to a device", deviceLink, madeDevice ? EINVAL : ENOENT},
    };
    const std::function<RegularFile(const QString &)> openers[] = {
        [](const QString &path) { return RegularFile::open(path, RegularFile::Access::Read); },
        [](const QString &path) { return RegularFile::open(path, RegularFile::Access::ReadWrite); },
        RegularFile::openForReadingUnpinned,
    };
    for (const auto &open : openers) {
        for (const auto &c : cases) {
            FileOpens opens(c.path);
            const RegularFile file = open(c.path);
            EXPECT_EQ(file.isOpen(), c.error == 0) << c.what;
            EXPECT_EQ(file.error(), c.error) << c.what;
            EXPECT_EQ(opens.sinceLastCount() > 0, c.error == 0) << c.what;
        }
    }
    if (!madeDevice)
        GTEST_SKIP() << "making a device node needs root: the device case was left out";
}
