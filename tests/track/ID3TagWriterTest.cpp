#include "track/ID3TagWriter.h"
#include "support/TempFolder.h"
#include "track/GenreNames.h"
#include "track/ID3TagBlock.h"
#include "track/MP3File.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

bool writeSong(const QString &path, const QString &title = u"Song"_s)
{
    return WriteID3TagFields(path, u"Band"_s, title, u"Album"_s, u"Note"_s, u"1980"_s, 17);
}

const QByteArray kSongBlock = tagBlockBytes("Song", "Band", "Album", "1980", "Note", 17);

// Runs the write in a child process whose files may not grow past sizeLimit bytes, the
// way a full disk or a quota stops a write part way.
bool writeSongUnderSizeLimit(const QString &path, rlim_t sizeLimit)
{
    const pid_t child = ::fork();
    if (child == 0) {
        ::signal(SIGXFSZ, SIG_IGN);
        const rlimit limit {sizeLimit, sizeLimit};
        ::setrlimit(RLIMIT_FSIZE, &limit);
        ::_exit(writeSong(path, u"Other"_s) ? 0 : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    EXPECT_TRUE(WIFEXITED(status));
    return WEXITSTATUS(status) == 0;
}

} // namespace

TEST(ID3TagWriter, AppendsToAFileWithoutTagThenReplacesItsOwnBlock)
{
    TempFolder folder;
    const QByteArray audio = audioBytes(5000);
    const QString path = folder.write(u"a.mp3"_s, audio);

    ASSERT_TRUE(writeSong(path));
    EXPECT_EQ(folder.read(u"a.mp3"_s), audio + kSongBlock);

    ASSERT_TRUE(WriteID3TagFields(path, u"X"_s, u"Y"_s, QString(), QString(), QString(), GenreNames::None));
    EXPECT_EQ(folder.read(u"a.mp3"_s), audio + tagBlockBytes("Y", "X", "", "", "", GenreNames::None));
}

TEST(ID3TagWriter, AppendsWhereTheEndHoldsNoBlock)
{
    QByteArray lowerCaseTag = tagBlockBytes("Old", "", "", "", "", 0);
    lowerCaseTag.replace(0, 3, "tag");
    const QByteArray apeFooter = "APETAGEX" + audioBytes(123); // its "TAG" 128 bytes from the end
    const struct
    {
        const char *what;
        QByteArray contents;
    } cases[] = {
        {"100-byte file", audioBytes(100)},
        {"empty file", QByteArray()},
        {"lower-case tag", audioBytes(500) + lowerCaseTag},
        {"APEv2 footer", audioBytes(500) + apeFooter},
    };
    for (const auto &c : cases) {
        TempFolder folder;
        const QString path = folder.write(u"a.mp3"_s, c.contents);
        EXPECT_TRUE(writeSong(path)) << c.what;
        EXPECT_EQ(folder.read(u"a.mp3"_s), c.contents + kSongBlock) << c.what;
    }
}

TEST(ID3TagWriter, OverwritesABlockPaddedWithNuls)
{
    TempFolder folder;
    const QByteArray audio = audioBytes(1000);
    const QString path = folder.write(u"a.mp3"_s, audio + tagBlockBytes("Old", "", "", "", "", 3, '\0'));
    ASSERT_TRUE(writeSong(path));
    EXPECT_EQ(folder.read(u"a.mp3"_s), audio + kSongBlock);
}

TEST(ID3TagWriter, RefusesWhatIsNotAnOrdinaryWritableFileAndLeavesItAlone)
{
    TempFolder folder;
    const QByteArray contents = audioBytes(300);
    const QString hidden = folder.write(u".hidden.mp3"_s, contents);
    const QString readOnly = folder.write(u"readonly.mp3"_s, contents);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString fifo = folder.makeFifo(u"fifo.mp3"_s);
    const QString directory = folder.makeFolder(u"folder.mp3"_s);

    EXPECT_FALSE(writeSong(hidden));
    EXPECT_EQ(folder.read(u".hidden.mp3"_s), contents);
    EXPECT_FALSE(writeSong(readOnly));
    EXPECT_EQ(folder.read(u"readonly.mp3"_s), contents);
    EXPECT_FALSE(writeSong(fifo)); // must not block either
    EXPECT_FALSE(writeSong(directory));
    EXPECT_FALSE(writeSong(folder.path(u"missing.mp3"_s)));
    EXPECT_FALSE(QFile::exists(folder.path(u"missing.mp3"_s)));
    EXPECT_FALSE(writeSong(QString()));
    const QString truncatedByNul = folder.write(u"a.mp3"_s, contents) + QChar(u'\0') + u".mp3"_s;
    EXPECT_FALSE(writeSong(truncatedByNul));
    EXPECT_EQ(folder.read(u"a.mp3"_s), contents);
}

TEST(ID3TagWriter, FailedAppendCutsTheFileBackToItsLength)
{
    TempFolder folder;
    const QByteArray audio = audioBytes(5000);
    const QString path = folder.write(u"a.mp3"_s, audio);
    EXPECT_FALSE(writeSongUnderSizeLimit(path, 5050));
    EXPECT_EQ(folder.read(u"a.mp3"_s), audio);
}

TEST(ID3TagWriter, FailedOverwriteKeepsTheOldBlock)
{
    TempFolder folder;
    const QByteArray original = audioBytes(5000) + kSongBlock;
    const QString path = folder.write(u"a.mp3"_s, original);
    EXPECT_FALSE(writeSongUnderSizeLimit(path, 5050));
    EXPECT_EQ(folder.read(u"a.mp3"_s), original);
}

TEST(ID3TagWriter, WrittenBlockReadsTheSameInAnIndependentReader)
{
    TempFolder folder;
    const QString path = folder.write(u"a.mp3"_s, QByteArray(2000, '\0'));
    ASSERT_TRUE(WriteID3TagFields(path, u"Motörhead"_s, u"Ace of Spades"_s, u"Ace"_s, u"loud"_s, u"1980"_s, 43));

    const QString script = uR"(
import json, sys
from mutagen.id3 import ID3
tag = ID3(sys.argv[1])
print(json.dumps({key: str(tag[key]) for key in ("TPE1", "TIT2", "TALB", "TDRC", "COMM:ID3v1 Comment:eng", "TCON") if key in tag}))
)"_s;
    QProcess python;
    python.start(u"/usr/bin/python3"_s, {u"-c"_s, script, path});
    ASSERT_TRUE(python.waitForFinished(30000));
    ASSERT_EQ(python.exitCode(), 0) << "python3-mutagen is needed: " << python.readAllStandardError().toStdString();

    const QJsonObject read = QJsonDocument::fromJson(python.readAllStandardOutput()).object();
    EXPECT_EQ(read.value(u"TPE1"_s).toString(), u"Motörhead"_s);
    EXPECT_EQ(read.value(u"TIT2"_s).toString(), u"Ace of Spades"_s);
    EXPECT_EQ(read.value(u"TALB"_s).toString(), u"Ace"_s);
    EXPECT_EQ(read.value(u"TDRC"_s).toString(), u"1980"_s);
    EXPECT_EQ(read.value(u"COMM:ID3v1 Comment:eng"_s).toString(), u"loud"_s);
    EXPECT_EQ(read.value(u"TCON"_s).toString(), u"Punk"_s);
}

TEST(ID3TagWriter, FindsTheBlockOfAFileOver4GiB)
{
    TempFolder folder;
    const QString path = folder.write(u"big.mp3"_s, QByteArray());
    const qint64 size = (qint64(1) << 32) + 1000; // sparse: takes no space on disk
    ASSERT_TRUE(QFile::resize(path, size));

    ASSERT_TRUE(writeSong(path));
    ASSERT_TRUE(writeSong(path, u"Again"_s));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.size(), size + 128);
    ASSERT_TRUE(file.seek(size));
    EXPECT_EQ(file.read(128), tagBlockBytes("Again", "Band", "Album", "1980", "Note", 17));

    MP3File track;
    EXPECT_TRUE(track.setFileName(path));
    EXPECT_EQ(track.Title(), u"Again"_s);
}
