#include "naming/ProgramState.h"
#include "naming/RenameRun.h"
#include "platform/RenameWithoutReplacing.h"
#include "support/MarkedFiles.h"
#include "support/ScriptedProgress.h"
#include "support/ScriptedRenameWindow.h"
#include "support/TempFolder.h"
#include "track/ID3TagWriter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QStorageInfo>

#include <chrono>
#include <thread>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// A file-system driver that runs in user space, and how to make, mount and check an image for it.
struct FuseDriver
{
    const char *name;
    QStringList makeFileSystem; // the image's path goes last
    // Runs the driver in the foreground; the device (the image or its loop device) and the mount point go last.
    QStringList mount;
    bool needsLoopDevice; // run as root, it mounts block devices only
    QStringList checkFileSystem; // read-only, the image's path goes last
    // fusefat holds no non-ASCII names and has two faults no program can work around: its rename can fail
    // after the new name was claimed, once a long entry has to go into a directory with freed slots, and then
    // the file is gone; and it reports writes past the end of a full volume as done, leaving files longer
    // than their clusters. Where it is the driver, the test leaves out the steps that would meet the faults.
    bool isFusefat;
};

const FuseDriver kDrivers[] = {
    {"fusefat", {u"mkfs.vfat"_s, u"-F"_s, u"32"_s}, {u"fusefat"_s, u"-f"_s, u"-o"_s, u"rw+"_s}, false,
        {u"fsck.vfat"_s, u"-n"_s}, true},
    {"exfat_fuse", {u"mkfs.exfat"_s}, {u"mount.exfat-fuse"_s, u"-d"_s}, true, {u"fsck.exfat"_s, u"-n"_s}, false},
};

constexpr int kTimeoutMs = 60'000;

QString findProgram(const QString &name)
{
    return QStandardPaths::findExecutable(
        name, qEnvironmentVariable("PATH").split(u':') + QStringList {u"/usr/sbin"_s, u"/sbin"_s});
}

// Runs command to its end: an empty string when it succeeded, else the command and what it printed.
// What it printed also goes to output.
QString failureOf(const QStringList &command, QString *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(findProgram(command.front()), command.mid(1));
    const bool succeeded = process.waitForFinished(kTimeoutMs) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    const QString printed = QString::fromLocal8Bit(process.readAll());
    if (output)
        *output = printed.trimmed();
    return succeeded ? QString() : command.join(u' ') + u": "_s + printed;
}

// Why a volume of this driver cannot be mounted here, or an empty string when it can.
QString missingForFuse(const FuseDriver &driver)
{
    if (::geteuid() != 0 || ::access("/dev/fuse", R_OK | W_OK) != 0)
        return u"needs root and /dev/fuse"_s;
    QStringList programs {
        driver.mount.front(), driver.makeFileSystem.front(), driver.checkFileSystem.front(), u"fusermount"_s};
    if (driver.needsLoopDevice)
        programs.append(u"losetup"_s);
    for (const QString &program : programs) {
        if (findProgram(program).isEmpty())
            return program + u" is not installed (./build.sh test installs it)"_s;
    }
    if (driver.needsLoopDevice && !failureOf({u"losetup"_s, u"--find"_s}).isEmpty())
        return QString::fromLatin1(driver.name) + u" needs a free loop device, and there is none"_s;
    return {};
}

// An image of the driver's file system in a temporary folder, mounted for one test and unmounted with the
// object, also when an assertion ends the test early.
class FuseVolume
{
public:
    explicit FuseVolume(const FuseDriver &driver)
        : m_driver(driver)
    { }
    ~FuseVolume() { unmount(); }

    // The mount point, ending in "/".
    QString folder() const { return m_files.path(u"mount/"_s); }
    // Writes a file on the volume and returns its path.
    QString write(const QString &name, const QByteArray &data) const { return m_files.write(u"mount/"_s + name, data); }

    // Makes the file system and mounts it: what went wrong, or an empty string.
    QString mount()
    {
        // 40 MiB, the least that makes a FAT32 without warnings.
        QString device = m_files.write(u"volume.img"_s, QByteArray(40 << 20, '\0'));
        QString failure = failureOf(m_driver.makeFileSystem + QStringList {device});
        if (failure.isEmpty() && m_driver.needsLoopDevice) {
            failure = failureOf({u"losetup"_s, u"--find"_s, u"--show"_s, device}, &device);
            m_loopDevice = failure.isEmpty() ? device : QString();
        }
        if (!failure.isEmpty())
            return failure;
        m_files.makeFolder(u"mount"_s);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setStandardErrorFile(QProcess::nullDevice());
        m_process.start(findProgram(m_driver.mount.front()), m_driver.mount.mid(1) + QStringList {device, folder()});
        using namespace std::chrono_literals;
        for (auto waited = 0ms; waited < 10s && m_process.state() != QProcess::NotRunning; waited += 20ms) {
            if (QStorageInfo(folder()).fileSystemType().startsWith("fuse"))
                return {};
            std::this_thread::sleep_for(20ms);
        }
        return QString::fromLatin1(m_driver.name) + u" did not mount the image"_s;
    }

    // Unmounts, waits for the driver to write out what it holds, and checks the image: what went wrong or
    // what the check found damaged; empty when all is well.
    QString unmountAndCheck()
    {
        if (!unmount())
            return u"the volume did not unmount cleanly"_s;
        return failureOf(m_driver.checkFileSystem + QStringList {m_files.path(u"volume.img"_s)});
    }

private:
    // Unmounted, the driver writes out what it holds and ends by itself once nothing uses the volume; false
    // when it did not, and is left for the process object to kill.
    bool unmount()
    {
        const bool unmounted = m_process.state() == QProcess::NotRunning
            || (failureOf({u"fusermount"_s, u"-uz"_s, folder()}).isEmpty() && m_process.waitForFinished(kTimeoutMs));
        const bool detached = m_loopDevice.isEmpty()
            || failureOf({u"losetup"_s, u"--detach"_s, std::exchange(m_loopDevice, {})}).isEmpty();
        return unmounted && detached;
    }

    const FuseDriver &m_driver;
    TempFolder m_files;
    QString m_loopDevice;
    QProcess m_process;
};

using FileSystemDriverTest = testing::TestWithParam<FuseDriver>;

} // namespace

// A rename run, case changes and a tag write on a volume whose driver runs in user space:
// Latin-1 tags, two files heading for one name, a change of case only, a control character in
// a tag (which the name gets as a space), and a name too long for any of these file systems,
// which a driver that cannot hold it must refuse before it lets go of the file. Afterwards
// every file must be where it belongs and the file system undamaged.
TEST_P(FileSystemDriverTest, KeepsEveryFileThroughARenameRunCaseChangesAndATagWrite)
{
    const FuseDriver &driver = GetParam();
    if (const QString missing = missingForFuse(driver); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    FuseVolume volume(driver);
    ASSERT_EQ(volume.mount(), QString());
    QHash<QString, QByteArray> expected;
    // Writes a file that starts with its name, expected under expectedName afterwards; returns its path.
    const auto add = [&](const QString &name, const QByteArray &rest, const QString &expectedName) {
        expected.insert(expectedName, name.toUtf8() + ';');
        return volume.write(name, name.toUtf8() + ';' + rest);
    };
    // name, artist, title, the name expected afterwards
    const bool latin1 = !driver.isFusefat;
    const std::tuple<QString, QByteArray, QByteArray, QString> songs[] = {
        {u"a.mp3"_s, "Mot\xF6rhead", "orgasmatron", latin1 ? u"Motörhead - Orgasmatron.mp3"_s : u"a.mp3"_s},
        {u"b.mp3"_s, "Beyonc\xE9", "halo", latin1 ? u"Beyoncé - Halo.mp3"_s : u"b.mp3"_s},
        {u"c.mp3"_s, "Sigur R\xF3s", "hoppipolla", latin1 ? u"Sigur Rós - Hoppipolla.mp3"_s : u"c.mp3"_s},
        {u"d.mp3"_s, "band", "song", u"Band - Song.mp3"_s},
        {u"e.mp3"_s, "band", "song", u"e.mp3"_s},
        {u"group - other.mp3"_s, "group", "other", u"Group - Other.mp3"_s},
        {u"f.mp3"_s, "band", "bell\x01", u"Band - Bell .mp3"_s},
    };
    for (const auto &[name, artist, title, newName] : songs)
        add(name, taggedAudio(title, artist), newName); // fields padded with NULs, as taggers write them
    ProgramState state;
    ScriptedProgress progress;
    state.ListedFiles.listFolder(volume.folder(), progress);
    ScriptedRenameWindow window;
    window.answers = {MessageAnswer::Yes, MessageAnswer::No};
    RenameRun(state, window).RenameAllFiles(progress);
    EXPECT_TRUE(window.lastText().contains(u"\n%1 file(s) could not be renamed.\n"_s.arg(latin1 ? 1 : 4)))
        << window.lastText().toStdString();

    const QString tooLong = volume.folder() + QString(300, u'y') + u".mp3"_s;
    EXPECT_FALSE(renameWithoutReplacing(add(u"g.mp3"_s, {}, u"g.mp3"_s), tooLong).renamed);
    if (!driver.isFusefat) {
        // The temporary name of a case change is cut to fit beside a name near the limit.
        const QString longName = QString(240, u'x') + u".mp3"_s;
        const QString upper = volume.folder() + longName.toUpper();
        EXPECT_TRUE(renameWithoutReplacing(add(longName, {}, longName.toUpper()), upper).renamed);
        // A tag appended to a file on a full volume cannot be written; the file must stay as it was. Whole
        // clusters, so the block could only go into a cluster the volume no longer has.
        const QString song = add(u"song.mp3"_s, audioBytes(8192 - 9), u"song.mp3"_s);
        QFile filler(add(u"filler"_s, {}, u"filler"_s));
        ASSERT_TRUE(filler.open(QIODevice::Append | QIODevice::Unbuffered));
        const QByteArray chunk(1 << 20, 'f');
        // Until not even a byte fits.
        for (qsizetype size = chunk.size(); size > 0;) {
            if (filler.write(chunk.constData(), size) != size)
                size /= 2;
        }
        EXPECT_FALSE(WriteID3TagFields(song, u"Band"_s, u"Song"_s, {}, {}, {}, 0));
        EXPECT_EQ(QFileInfo(song).size(), 8192);
    }
    expectMarkedFiles(volume.folder(), expected);
    EXPECT_EQ(volume.unmountAndCheck(), QString());
}

INSTANTIATE_TEST_SUITE_P(Drivers, FileSystemDriverTest, testing::ValuesIn(kDrivers),
    [](const testing::TestParamInfo<FuseDriver> &info) { return std::string(info.param.name); });
