#include "track/ID3TagWriter.h"
#include "support/IndependentTaggers.h"
#include "support/TempFolder.h"
#include "track/GenreNames.h"
#include "track/ID3TagBlock.h"
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

// Text goes in as Windows-1252, the code page other software reads a block in, and reads
// back the same; a character it lacks is written as "?" (the editor refuses to take one), the
// C1 control characters among them, but for those read from bytes it leaves undefined, which
// go back as they came. No genre is 255, which other readers take for none too: to them 148
// is a genre.
TEST(ID3TagWriter, WritesWindows1252TextAndNoGenreAs255)
{
    const struct
    {
        QChar c;
        char byte;
        bool held;
    } chars[] = {{u'A', 'A', true}, {u'\u00e4', '\xe4', true}, {u'\u00a0', '\xa0', true}, {u'\u00ff', '\xff', true},
        {u'\u20ac', '\x80', true}, {u'\u2019', '\x92', true}, {u'\u2026', '\x85', true}, {u'\u0178', '\x9f', true},
        {u'\u0092', '?', false}, {u'\u03a9', '?', false}, {u'\u0100', '?', false},
        {u'\u0081', '\x81', false}}; // as read from a byte Windows-1252 leaves undefined
    QString title;
    QString readBack;
    QByteArray expected;
    for (const auto &c : chars) {
        EXPECT_EQ(ID3TagBlock::canHold(c.c), c.held) << int(c.c.unicode());
        title += c.c;
        readBack += c.byte == '?' ? QChar(u'?') : c.c;
        expected += c.byte;
    }
    EXPECT_FALSE(ID3TagBlock::canHold(u"\U0001F3B5"_s[0]));

    TempFolder folder;
    const QString path = folder.write(u"a.mp3"_s, audioBytes(400));
    ASSERT_TRUE(WriteID3TagFields(path, u"Band"_s, title, {}, {}, {}, GenreNames::None));
    EXPECT_EQ(folder.read(u"a.mp3"_s), audioBytes(400) + tagBlockBytes(expected, "Band", "", "", "", 255, ' '));
    MP3File track;
    track.setFileName(path);
    EXPECT_EQ(track.Title(), readBack);
    EXPECT_EQ(track.Genre(), QString());

    // mutagen reads a block's bytes as Latin-1, and gives a genre frame for any byte but 255.
    const TaggerReading mutagen = readWithMutagen(path);
    if (!mutagen.why.isEmpty())
        GTEST_SKIP() << "python3-mutagen could not read the block: " << mutagen.why.toStdString();
    EXPECT_EQ(mutagen.fields,
        (QMap<QString, QString> {
            {u"version"_s, u"1.1"_s}, {u"TIT2"_s, QString::fromLatin1(expected)}, {u"TPE1"_s, u"Band"_s}}));
}

// A hidden file, a read-only one, no path or a path cut short by a NUL is not written, and
// every file keeps its bytes.
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
