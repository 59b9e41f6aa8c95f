#include "naming/ProgramState.h"
#include "naming/RenameRun.h"
#include "platform/RenameWithoutReplacing.h"
#include "support/FuseVolume.h"
#include "support/MarkedFiles.h"
#include "support/ScriptedRenameWindow.h"
#include "track/ID3TagWriter.h"

#include <gtest/gtest.h>

#include <QFile>

#include <cerrno>
#include <fcntl.h>
#include <optional>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const FuseDriver kDrivers[] = {
    {"fusefat", {u"mkfs.vfat"_s, u"-F"_s, u"32"_s}, u"fusefat"_s,
        [](const QString &device, const QString &mountPoint) {
            return QStringList {u"-f"_s, u"-o"_s, u"rw+"_s, device, mountPoint};
        },
        false, {u"fsck.vfat"_s, u"-n"_s}, false,
        "fusefat's rename can fail after the new name was claimed, once a long entry has to go into a directory "
        "with freed slots, and then the file is gone",
        "fusefat reports writes past the end of a full volume as done and leaves files longer than their clusters"},
    {"exfat_fuse", {u"mkfs.exfat"_s}, u"mount.exfat-fuse"_s,
        [](const QString &device, const QString &mountPoint) {
            return QStringList {u"-d"_s, device, mountPoint};
        },
        true, {u"fsck.exfat"_s, u"-n"_s}, true, nullptr, nullptr},
};

constexpr qint64 kImageSize = 40 << 20; // the least that makes a FAT32 without warnings

// A file as taggers write it: audio, then a block whose fields are padded with NULs, with
// a marker in front that tells it apart from every other file.
QByteArray markedSong(const QByteArray &marker, const QByteArray &artist, const QByteArray &title)
{
    return marker + audioBytes(300) + tagBlockBytes(title, artist, "", "", "", 0, '\0');
}

// Rename runs, a case change and a tag write on a volume whose driver runs in user space.
// Afterwards every file must be there once and the file system undamaged.
class FileSystemDriverTest : public testing::TestWithParam<FuseDriver>
{
protected:
    void SetUp() override
    {
        if (const QString missing = missingForFuse(GetParam()); !missing.isEmpty())
            GTEST_SKIP() << missing.toStdString();
        volume.emplace(GetParam(), kImageSize);
        ASSERT_EQ(volume->failure(), QString());
        state.CurrentDirectory = volume->folder();
    }

    QString path(const QString &name) const { return volume->folder() + name; }
    void write(const QString &name, const QByteArray &bytes) const
    {
        QFile file(path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size()) << name.toStdString();
    }
    // Writes the file and expects it under its old name or the new one afterwards.
    void add(const QString &name, const QByteArray &contents, const QString &newName)
    {
        write(name, contents);
        expected.insert(markerOf(contents), {name, newName});
    }
    void renameAll(const QStringList &names)
    {
        state.FileNames = names;
        window.answers = {MessageAnswer::Yes, MessageAnswer::No};
        RenameRun(state, window).RenameAllFiles();
    }
    void expectEveryFileOnceAndNoDamage()
    {
        expectEachFileOnceUnderOldOrNewName(volume->folder(), expected);
        ASSERT_TRUE(volume->unmount());
        EXPECT_EQ(volume->damage(), QString());
    }

    std::optional<FuseVolume> volume;
    ProgramState state;
    ScriptedRenameWindow window;
    QHash<QByteArray, OldOrNewName> expected;
};

} // namespace

// A driver that cannot hold a name must refuse it before it lets go of the file.
TEST_P(FileSystemDriverTest, KeepsEveryFileOfAFolderWithLatin1Tags)
{
    const struct
    {
        const char *name;
        QByteArray artist;
        QByteArray title;
        const char16_t *newName;
    } songs[] = {
        {"a.mp3", "Mot\xF6rhead", "orgasmatron", u"Motörhead - Orgasmatron.mp3"},
        {"b.mp3", "Beyonc\xE9", "halo", u"Beyoncé - Halo.mp3"},
        {"c.mp3", "Sigur R\xF3s", "hoppipolla", u"Sigur Rós - Hoppipolla.mp3"},
        {"d.mp3", "ABBA", "waterloo", u"ABBA - Waterloo.mp3"},
    };
    for (const auto &song : songs) {
        const QString newName = QString::fromUtf16(song.newName);
        const QString name = QString::fromLatin1(song.name);
        add(name, markedSong(song.name + QByteArray(";"), song.artist, song.title),
            GetParam().holdsNonAsciiNames || song.artist == "ABBA" ? newName : name);
    }
    renameAll({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s, u"d.mp3"_s});
    EXPECT_EQ(window.lastText.contains(u"\n3 file(s) could not be renamed.\n"_s), !GetParam().holdsNonAsciiNames)
        << window.lastText.toStdString();
    expectEveryFileOnceAndNoDamage();
}

// Two files heading for one name, a change of case only, a control character in a tag
// (which the name gets as a space), and a name too long for any of these file systems.
TEST_P(FileSystemDriverTest, KeepsEveryFileThroughCollisionsCaseChangesAndImpossibleNames)
{
    add(u"a.mp3"_s, markedSong("a;", "band", "song"), u"Band - Song.mp3"_s);
    add(u"b.mp3"_s, markedSong("b;", "band", "song"), u"Band - Song.mp3"_s);
    add(u"group - other.mp3"_s, markedSong("c;", "group", "other"), u"Group - Other.mp3"_s);
    add(u"d.mp3"_s, markedSong("d;", "band", "bell\x01"), u"Band - Bell .mp3"_s);
    renameAll({u"a.mp3"_s, u"b.mp3"_s, u"group - other.mp3"_s, u"d.mp3"_s});
    EXPECT_TRUE(window.lastText.contains(u"\n1 file(s) could not be renamed.\n"_s)) << window.lastText.toStdString();
    EXPECT_TRUE(QFile::exists(path(u"Group - Other.mp3"_s)));
    EXPECT_TRUE(QFile::exists(path(u"Band - Bell .mp3"_s)));

    add(u"e.mp3"_s, "e;", u"e.mp3"_s);
    EXPECT_FALSE(renameWithoutReplacing(path(u"e.mp3"_s), path(QString(300, u'y') + u".mp3"_s)).renamed);
    expectEveryFileOnceAndNoDamage();
}

// The temporary name of a case change is cut to fit beside a name near the limit.
TEST_P(FileSystemDriverTest, ChangesTheCaseOfALongName)
{
    if (const char *fault = GetParam().longRenameFault)
        GTEST_SKIP() << fault;
    add(u"a.mp3"_s, "a;", u"a.mp3"_s);
    const QString longName = QString(240, u'x') + u".mp3"_s;
    add(longName, "b;", longName.toUpper());
    EXPECT_TRUE(renameWithoutReplacing(path(longName), path(longName.toUpper())).renamed);
    expectEveryFileOnceAndNoDamage();
}

// A tag appended to a file on a full volume cannot be written; the file must stay as it was.
TEST_P(FileSystemDriverTest, TagWriteOnAFullVolumeLeavesTheFileAsItWas)
{
    if (const char *fault = GetParam().fullVolumeFault)
        GTEST_SKIP() << fault;
    // Whole clusters, so the block could only go into a cluster the volume no longer has.
    const QByteArray song = "song;" + audioBytes(8192 - 5);
    add(u"song.mp3"_s, song, u"song.mp3"_s);
    const int filler = ::open(QFile::encodeName(path(u"filler"_s)).constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    ASSERT_GE(filler, 0);
    const QByteArray chunk(1 << 20, 'f');
    // Until not even a byte fits.
    for (qsizetype size = chunk.size(); size > 0;) {
        if (::write(filler, chunk.constData(), size_t(size)) != size)
            size /= 2;
    }
    ::close(filler);
    expected.insert(markerOf(chunk), {u"filler"_s, u"filler"_s});

    EXPECT_FALSE(WriteID3TagFields(path(u"song.mp3"_s), u"Band"_s, u"Song"_s, {}, {}, {}, 0));
    QFile file(path(u"song.mp3"_s));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), song);
    file.close();
    expectEveryFileOnceAndNoDamage();
}

INSTANTIATE_TEST_SUITE_P(Drivers, FileSystemDriverTest, testing::ValuesIn(kDrivers),
    [](const testing::TestParamInfo<FuseDriver> &info) { return std::string(info.param.name); });
