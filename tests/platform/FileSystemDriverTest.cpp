#include "naming/ProgramState.h"
#include "naming/RenameRun.h"
#include "platform/RenameWithoutReplacing.h"
#include "support/FuseVolume.h"
#include "support/MarkedFiles.h"
#include "support/ScriptedRenameWindow.h"
#include "track/ID3TagWriter.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const FuseDriver kDrivers[] = {
    {"fusefat", {u"mkfs.vfat"_s, u"-F"_s, u"32"_s}, {u"fusefat"_s, u"-f"_s, u"-o"_s, u"rw+"_s}, false,
        {u"fsck.vfat"_s, u"-n"_s}, false,
        "fusefat's rename can fail after the new name was claimed, once a long entry has to go into a directory "
        "with freed slots, and then the file is gone",
        "fusefat reports writes past the end of a full volume as done and leaves files longer than their clusters"},
    {"exfat_fuse", {u"mkfs.exfat"_s}, {u"mount.exfat-fuse"_s, u"-d"_s}, true, {u"fsck.exfat"_s, u"-n"_s}, true, nullptr,
        nullptr},
};

constexpr qint64 kImageSize = 40 << 20; // the least that makes a FAT32 without warnings

using FileSystemDriverTest = testing::TestWithParam<FuseDriver>;

} // namespace

// A rename run, a case change and a tag write on a volume whose driver runs in user space:
// Latin-1 tags, two files heading for one name, a change of case only, a control character in
// a tag (which the name gets as a space), and a name too long for any of these file systems,
// which a driver that cannot hold it must refuse before it lets go of the file. Afterwards
// every file must be where it belongs and the file system undamaged.
TEST_P(FileSystemDriverTest, KeepsEveryFileThroughARenameRunAndATagWrite)
{
    const FuseDriver &driver = GetParam();
    if (const QString missing = missingForFuse(driver); !missing.isEmpty())
        GTEST_SKIP() << missing.toStdString();
    FuseVolume volume(driver, kImageSize);
    ASSERT_EQ(volume.failure(), QString());
    const auto path = [&volume](const QString &name) { return volume.folder() + name; };
    QHash<QString, QByteArray> expected;
    // Writes a file that starts with marker, expected under expectedName afterwards.
    const auto add
        = [&](const QString &name, const QByteArray &marker, const QByteArray &rest, const QString &expectedName) {
              QFile file(path(name));
              ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(marker + rest) == marker.size() + rest.size());
              expected.insert(expectedName, marker);
          };
    const bool latin1 = driver.holdsNonAsciiNames;
    const struct
    {
        QString name;
        QByteArray artist, title;
        QString newName;
    } songs[] = {
        {u"a.mp3"_s, "Mot\xF6rhead", "orgasmatron", latin1 ? u"Motörhead - Orgasmatron.mp3"_s : u"a.mp3"_s},
        {u"b.mp3"_s, "Beyonc\xE9", "halo", latin1 ? u"Beyoncé - Halo.mp3"_s : u"b.mp3"_s},
        {u"c.mp3"_s, "Sigur R\xF3s", "hoppipolla", latin1 ? u"Sigur Rós - Hoppipolla.mp3"_s : u"c.mp3"_s},
        {u"d.mp3"_s, "band", "song", u"Band - Song.mp3"_s},
        {u"e.mp3"_s, "band", "song", u"e.mp3"_s},
        {u"group - other.mp3"_s, "group", "other", u"Group - Other.mp3"_s},
        {u"f.mp3"_s, "band", "bell\x01", u"Band - Bell .mp3"_s},
    };
    ProgramState state;
    state.CurrentDirectory = volume.folder();
    for (const auto &song : songs) {
        // Tagged as taggers write it: fields padded with NULs.
        add(song.name, song.name.toUtf8() + ';',
            audioBytes(300) + tagBlockBytes(song.title, song.artist, "", "", "", 0), song.newName);
        state.FileNames.append(song.name);
    }
    ScriptedRenameWindow window;
    window.answers = {MessageAnswer::Yes, MessageAnswer::No};
    RenameRun(state, window).RenameAllFiles();
    EXPECT_TRUE(window.lastText.contains(u"\n%1 file(s) could not be renamed.\n"_s.arg(latin1 ? 1 : 4)))
        << window.lastText.toStdString();

    add(u"g.mp3"_s, "g;", {}, u"g.mp3"_s);
    EXPECT_FALSE(renameWithoutReplacing(path(u"g.mp3"_s), path(QString(300, u'y') + u".mp3"_s)).renamed);
    // The temporary name of a case change is cut to fit beside a name near the limit.
    if (!driver.longRenameFault) {
        const QString longName = QString(240, u'x') + u".mp3"_s;
        add(longName, "long;", {}, longName.toUpper());
        EXPECT_TRUE(renameWithoutReplacing(path(longName), path(longName.toUpper())).renamed);
    }
    // A tag appended to a file on a full volume cannot be written; the file must stay as it was.
    if (!driver.fullVolumeFault) {
        // Whole clusters, so the block could only go into a cluster the volume no longer has.
        const QByteArray song = "song;" + audioBytes(8192 - 5);
        add(u"song.mp3"_s, song, {}, u"song.mp3"_s);
        QFile filler(path(u"filler"_s));
        ASSERT_TRUE(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray chunk(1 << 20, 'f');
        // Until not even a byte fits.
        for (qsizetype size = chunk.size(); size > 0;) {
            if (filler.write(chunk.constData(), size) != size)
                size /= 2;
        }
        filler.close();
        expected.insert(u"filler"_s, "f");
        EXPECT_FALSE(WriteID3TagFields(path(u"song.mp3"_s), u"Band"_s, u"Song"_s, {}, {}, {}, 0));
        EXPECT_EQ(QFileInfo(path(u"song.mp3"_s)).size(), song.size());
    }
    expectMarkedFiles(volume.folder(), expected);
    EXPECT_EQ(volume.unmountAndCheck(), QString());
}

INSTANTIATE_TEST_SUITE_P(Drivers, FileSystemDriverTest, testing::ValuesIn(kDrivers),
    [](const testing::TestParamInfo<FuseDriver> &info) { return std::string(info.param.name); });
