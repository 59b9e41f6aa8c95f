#include "track/ID3TagWriter.h"
#include "support/TempFolder.h"
#include "track/MP3File.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>

#include <csignal>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kLongTitle = u"A Song Title Longer Than Its Field"_s;

bool writeSong(const QString &path, const QString &title = kLongTitle, const QByteArray &comment = "Note")
{
    return WriteID3TagFields(path, u"Band"_s, title, u"Album"_s, QString::fromLatin1(comment), u"1980"_s, 17);
}

// The block writeSong writes with a long title, cut to its field.
QByteArray songBlock(const QByteArray &comment = "Note")
{
    return tagBlockBytes("A Song Title Longer Than Its F", "Band", "Album", "1980", comment, 17, ' ');
}

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

// The block goes over the one the file ends in, whoever wrote it; where the end holds no
// block, it is appended. An ID3v1.1 track number is kept only where the replaced block has one
// (a NUL, then the number) and the new comment leaves the last two bytes blank. A write
// stopped part way leaves the file as it was: cut back after an append, the old block back
// after an overwrite.
TEST(ID3TagWriter, ReplacesTheBlockTheFileEndsInOrAppends)
{
    const QByteArray oldBlock = tagBlockBytes("Old", "", "", "", "", 0);
    const struct
    {
        const char *what;
        QByteArray audio;
        QByteArray end;
        QByteArray comment = "Note";
        rlim_t sizeLimit = 0; // none
    } cases[] = {
        {"100-byte file", audioBytes(100), {}},
        {"empty file", {}, {}},
        {"lower-case tag", audioBytes(500) + "tag" + oldBlock.sliced(3), {}},
        {"APEv2 footer", audioBytes(500) + "APETAGEX" + audioBytes(123), {}}, // its "TAG" 128 bytes from the end
        {"track 5, a comment that needs its room", {}, withTrack(oldBlock, 5), QByteArray(29, 'n')},
        {"a NUL pair: no track", {}, withTrack(oldBlock, 0)},
        {"a comment to the end: no track", {}, tagBlockBytes("Old", "", "", "", "Old comment 30 characters long", 0)},
        {"append stopped", audioBytes(5000), {}, "Note", 5050},
        {"overwrite stopped", audioBytes(5000), songBlock(), "Note", 5050},
    };
    for (const auto &c : cases) {
        TempFolder folder;
        const QString path = folder.write(u"a.mp3"_s, c.audio + c.end);
        const bool written
            = c.sizeLimit ? writeSongUnderSizeLimit(path, c.sizeLimit) : writeSong(path, kLongTitle, c.comment);
        EXPECT_EQ(written, !c.sizeLimit) << c.what;
        EXPECT_EQ(folder.read(u"a.mp3"_s), c.audio + (c.sizeLimit ? c.end : songBlock(c.comment))) << c.what;
    }
}

TEST(ID3TagWriter, RefusesWhatIsNotAnOrdinaryWritableFileAndLeavesItAlone)
{
    TempFolder folder;
    const QByteArray contents = audioBytes(300);
    const QString readOnly = folder.write(u"readonly.mp3"_s, contents);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    const QString refused[] = {folder.write(u".hidden.mp3"_s, contents), readOnly, QString(),
        folder.write(u"a.mp3"_s, contents) + QChar(u'\0') + u".mp3"_s};
    for (const QString &path : refused)
        EXPECT_FALSE(writeSong(path)) << path.toStdString();
    for (const QString &name : {u".hidden.mp3"_s, u"readonly.mp3"_s, u"a.mp3"_s})
        EXPECT_EQ(folder.read(name), contents) << name.toStdString();
}

// The second write finds the block the first appended past 4 GiB, and a load reads it there.
TEST(ID3TagWriter, FindsTheBlockOfAFileOver4GiB)
{
    TempFolder folder;
    const QString path = folder.write(u"big.mp3"_s, QByteArray());
    const qint64 size = (qint64(1) << 32) + 1000; // sparse: takes no space on disk
    ASSERT_TRUE(QFile::resize(path, size));
    ASSERT_TRUE(writeSong(path));
    ASSERT_TRUE(writeSong(path, u"Again"_s));
    EXPECT_EQ(QFileInfo(path).size(), size + 128);
    MP3File track;
    EXPECT_TRUE(track.setFileName(path));
    EXPECT_EQ(track.Title(), u"Again"_s);
}
