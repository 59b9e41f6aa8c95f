#include "track/MP3File.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QFile>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QString nuls(qsizetype count)
{
    return QString(count, QChar(u'\0'));
}

} // namespace

TEST(MP3File, ReadsTheTagBlockAndTrimsSpacesOnly)
{
    TempFolder folder;
    const QString path
        = folder.write(u"Any Name.mp3"_s, audioBytes(400) + tagBlockBytes("  Song", "Band\t", "", "80", "Note", 1));
    MP3File file;
    EXPECT_TRUE(file.setFileName(path));
    EXPECT_EQ(file.FileName(), path);
    EXPECT_EQ(file.Title(), u"Song"_s);
    EXPECT_EQ(file.Artist(), u"Band\t"_s);
    EXPECT_EQ(file.Album(), QString());
    EXPECT_EQ(file.Year(), u"80"_s);
    EXPECT_EQ(file.Comment(), u"Note"_s);
    EXPECT_EQ(file.Genre(), u"Classic Rock"_s);
}

TEST(MP3File, KeepsNulPaddingOfOtherSoftware)
{
    TempFolder folder;
    const QString path = folder.write(u"a.mp3"_s, tagBlockBytes("Song", "", "", "", "", 255, '\0'));
    MP3File file;
    file.setFileName(path);
    EXPECT_EQ(file.Title(), u"Song"_s + nuls(26));
    EXPECT_EQ(file.Artist(), nuls(30));
    EXPECT_EQ(file.Genre(), QString());
}

TEST(MP3File, GuessesFromTheNameWhenTheFileHasNoBlock)
{
    QByteArray lowerCaseTag = tagBlockBytes("Tagged", "", "", "", "", 0);
    lowerCaseTag.replace(0, 3, "tag");
    const QByteArray apeFooter = "APETAGEX" + audioBytes(123); // its "TAG" 128 bytes from the end
    const struct
    {
        const char *what;
        QByteArray contents;
    } cases[] = {
        {"100-byte file", audioBytes(100)},
        {"lower-case tag", audioBytes(500) + lowerCaseTag},
        {"APEv2 footer", audioBytes(500) + apeFooter},
    };
    for (const auto &c : cases) {
        TempFolder folder;
        const QString path = folder.write(u"Band - 01 - Song.mp3"_s, c.contents);
        MP3File file;
        EXPECT_TRUE(file.setFileName(path)) << c.what;
        EXPECT_EQ(file.Title(), u"Song"_s) << c.what;
        EXPECT_EQ(file.Artist(), u"Band"_s) << c.what;
        EXPECT_EQ(file.Genre(), QString()) << c.what;
    }
}

TEST(MP3File, LoadOfAPathThatIsNoMP3FileKeepsThePreviousTags)
{
    TempFolder folder;
    const QString tagged = folder.write(u"a.mp3"_s, tagBlockBytes("Song", "Band", "", "", "", 17));
    const QString notes = folder.write(u"notes.txt"_s, tagBlockBytes("Other", "Other", "", "", "", 0));
    const QString others[] = {notes, folder.path(u"missing.mp3"_s), folder.makeFolder(u"folder.mp3"_s),
        folder.makeFifo(u"fifo.mp3"_s), QString()};
    for (const QString &other : others) {
        MP3File file;
        file.setFileName(tagged);
        file.setNewFileName(u"New.mp3"_s);
        file.setIsMissingTags(true);
        EXPECT_TRUE(file.setFileName(other));
        EXPECT_EQ(file.FileName(), other);
        EXPECT_EQ(file.Title(), u"Song"_s);
        EXPECT_EQ(file.Artist(), u"Band"_s);
        EXPECT_EQ(file.Genre(), u"Rock"_s);
        EXPECT_EQ(file.NewFileName(), u"New.mp3"_s);
        EXPECT_TRUE(file.IsMissingTags());
    }
}

TEST(MP3File, NewNameAndMarkSurviveALoad)
{
    TempFolder folder;
    MP3File file;
    file.setNewFileName(u"New.mp3"_s);
    file.setIsMissingTags(true);
    file.setFileName(folder.write(u"a.mp3"_s, tagBlockBytes("Song", "", "", "", "", 0)));
    EXPECT_EQ(file.NewFileName(), u"New.mp3"_s);
    EXPECT_TRUE(file.IsMissingTags());
}

TEST(MP3File, RecognisesMP3FilesByNameAndKind)
{
    TempFolder folder;
    const QString song = folder.write(u"Song.mp3"_s, audioBytes(10));
    folder.makeFolder(u"old.mp2"_s);
    ::symlink(QFile::encodeName(song).constData(), QFile::encodeName(folder.path(u"link.mp3"_s)).constData());
    ::symlink("nowhere", QFile::encodeName(folder.path(u"dangling.mp3"_s)).constData());
    const struct
    {
        QString name;
        QByteArray contents;
        bool isMP3;
    } cases[] = {
        {u"Track.Mp1"_s, "x", true},
        {u"Track.MP3"_s, "x", true},
        {u"Song.mp3.bak"_s, "x", true},
        {u"old.mp2/tune.wav"_s, "x", true},
        {u".hidden.mp3"_s, "x", true},
        {u"Track.mp4"_s, "x", false},
        {u"notes.txt"_s, "x", false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(IsMP3File(folder.write(c.name, c.contents)), c.isMP3) << c.name.toStdString();
    EXPECT_TRUE(IsMP3File(folder.path(u"link.mp3"_s)));
    EXPECT_FALSE(IsMP3File(folder.path(u"dangling.mp3"_s)));
    EXPECT_FALSE(IsMP3File(folder.makeFolder(u"folder.mp3"_s)));
    EXPECT_FALSE(IsMP3File(folder.makeFifo(u"fifo.mp3"_s)));
    EXPECT_FALSE(IsMP3File(folder.path(u"missing.mp3"_s)));
}

TEST(MP3File, ReportsAFileThatCannotBeReadAndKeepsOnlyTheGenre)
{
    // A file under /sys claims 4096 bytes but holds far fewer: reading its end fails, even
    // for root, which file permissions would not stop.
    const QByteArray unreadable = "/sys/devices/system/cpu/online";
    if (!QFile::exists(QString::fromLatin1(unreadable)))
        GTEST_SKIP() << "no sysfs here";
    TempFolder folder;
    const QString link = folder.path(u"unreadable.mp3"_s);
    ASSERT_EQ(::symlink(unreadable.constData(), QFile::encodeName(link).constData()), 0);

    MP3File file;
    file.setFileName(folder.write(u"a.mp3"_s, tagBlockBytes("Song", "Band", "Album", "1980", "Note", 17)));
    EXPECT_FALSE(file.setFileName(link));
    EXPECT_EQ(file.FileName(), link);
    EXPECT_EQ(file.Title() + file.Artist() + file.Album() + file.Year() + file.Comment(), QString());
    EXPECT_EQ(file.Genre(), u"Rock"_s);
}
