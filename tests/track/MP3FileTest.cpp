#include "track/MP3File.h"
#include "support/IndependentTaggers.h"
#include "support/TempFolder.h"
#include "track/TagTailPrefetch.h"
#include "track/TextUpToNul.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QThreadPool>

#include <memory>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

QStringList fieldsOf(const MP3File &file)
{
    return {file.Title(), file.Artist(), file.Album(), file.Year(), file.Comment(), file.Genre()};
}

// An ID3v2 frame; its size is a 32-bit number in 2.3 and a synchsafe one in 2.4, the same
// below 128.
QByteArray frame(const QByteArray &id, const QByteArray &body, quint8 formatFlags = 0)
{
    QByteArray bytes = id;
    for (const int shift : {24, 16, 8, 0})
        bytes += char(body.size() >> shift);
    return bytes + '\0' + char(formatFlags) + body;
}

// An ID3v2 header of this version that claims size bytes of frames, followed by frames.
QByteArray tagOf(char version, const QByteArray &frames, int size)
{
    QByteArray bytes = QByteArray("ID3") + version + QByteArray(2, '\0');
    for (const int shift : {21, 14, 7, 0})
        bytes += char((size >> shift) & 0x7f);
    return bytes + frames;
}

} // namespace

// Each load follows one that read "Song" by "Band", genre Rock. A block gives its fields with
// spaces at the ends trimmed, NULs, tabs and Latin-1 letters kept; a file too short for one,
// the guess from its name; a path that is no MP3 file leaves the tags as they were; a file
// that cannot be read leaves only the genre.
TEST(MP3File, LoadReadsTheBlockOrTheNameOrKeepsWhatItHas)
{
    TempFolder folder;
    const QString previous = folder.write(u"previous.mp3"_s, tagBlockBytes("Song", "Band", "", "", "", 17, ' '));
    const auto nuls = [](int count) { return QString(count, QChar(u'\0')); };
    const QStringList kept = {u"Song"_s, u"Band"_s, {}, {}, {}, u"Rock"_s};
    const struct
    {
        QString path;
        bool read;
        QStringList fields;
    } cases[] = {
        {folder.write(
             u"spaces.mp3"_s, audioBytes(400) + tagBlockBytes("  Song", "B\xe4nd\t", "", "80", "Note", 1, ' ')),
            true, {u"Song"_s, u"Bänd\t"_s, {}, u"80"_s, u"Note"_s, u"Classic Rock"_s}},
        {folder.write(u"nuls.mp3"_s, audioBytes(400) + tagBlockBytes("  Song", "Band", "", "80", "", 1)), true,
            {u"Song"_s + nuls(24), u"Band"_s + nuls(26), nuls(30), u"80"_s + nuls(2), nuls(30), u"Classic Rock"_s}},
        {folder.write(u"Band - 01 - Song.mp3"_s, audioBytes(100)), true, {u"Song"_s, u"Band"_s, {}, {}, {}, {}}},
        {folder.write(u"notes.txt"_s, tagBlockBytes("Other", "Other", "", "", "", 0)), true, kept},
        {folder.path(u"missing.mp3"_s), true, kept},
        {folder.makeFolder(u"folder.mp3"_s), true, kept},
        {folder.makeFifo(u"fifo.mp3"_s), true, kept},
        {QString(), true, kept},
        {folder.linkToUnreadableFile(u"unreadable.mp3"_s), false, {{}, {}, {}, {}, {}, u"Rock"_s}},
    };
    for (const auto &c : cases) {
        if (c.path.isEmpty() && !c.read)
            GTEST_SKIP() << "no sysfs here";
        for (const bool readsID3v2 : {false, true}) {
            MP3File file;
            file.setReadsID3v2(readsID3v2);
            file.setFileName(previous);
            EXPECT_EQ(file.setFileName(c.path), c.read) << c.path.toStdString();
            EXPECT_EQ(file.FileName(), c.path);
            EXPECT_EQ(fieldsOf(file), c.fields) << c.path.toStdString() << " " << readsID3v2;
        }
    }
}

// Asked to, a file without an ID3v1 block gives the fields of its ID3v2 tag, at full length,
// from every encoding; a genre number is named after the ID3v1 table. Without a usable tag,
// or not asked, the load guesses from the name.
TEST(MP3File, ReadsTheID3v2TagOfAFileWithoutABlockWhenAsked)
{
    const QString longTitle = u"A Title Longer Than Thirty Characters"_s;
    const QStringList guessed = {u"Song"_s, u"Band"_s, {}, {}, {}, {}};
    const auto latin1 = [](const QByteArray &text) { return QByteArray(1, '\0') + text; }; // a text frame's body
    const QByteArray compressed = frame("TIT2", qCompress(latin1(QByteArray(10000, 'A'))), 0x80);
    const struct
    {
        MutagenLayout layout; // ignored where head is given
        ForeignTag tag;
        QByteArray head; // hand-made: what other taggers rarely or never write
        QStringList read; // title, artist, album, year, comment, genre
    } cases[] = {
        {{4, 3, false}, {longTitle, u"Björk 日本"_s, u"Post"_s, u"1995-06-13"_s, u"Note"_s, 0, u"Eurodisco"_s}, {},
            {longTitle, u"Björk 日本"_s, u"Post"_s, u"1995"_s, u"Note"_s, u"Eurodisco"_s}},
        {{3, 1, false}, {u"Ωmega"_s, u"Band"_s, u"Album"_s, u"1999"_s, {}, 0, u"(4)Eurodisco"_s}, {},
            {u"Ωmega"_s, u"Band"_s, u"Album"_s, u"1999"_s, {}, u"Disco"_s}},
        {{4, 3, false}, {}, {}, guessed}, // a tag without any of the fields
        // A 2.4 tag with a 2.3 year; a size past the end; a compressed frame, never inflated.
        {{}, {}, tagOf(4, frame("TYER", latin1("1987")), 16), {{}, {}, {}, u"1987"_s, {}, {}}},
        {{}, {}, tagOf(3, frame("TIT2", latin1("Other")), 0x0fffffff), {u"Other"_s, {}, {}, {}, {}, {}}},
        {{}, {}, tagOf(3, compressed + frame("TPE1", latin1("Other")), int(compressed.size()) + 16),
            {{}, u"Other"_s, {}, {}, {}, {}}},
    };
    for (const auto &c : cases) {
        TempFolder folder;
        const QString path = folder.write(u"Band - 01 - Song.mp3"_s, c.head + audioBytes(400));
        if (c.head.isEmpty()) {
            const QString failure = tagWithMutagen(path, c.tag, c.layout);
            if (!failure.isEmpty())
                GTEST_SKIP() << failure.toStdString();
        }
        for (const bool readsID3v2 : {false, true}) {
            MP3File file;
            file.setReadsID3v2(readsID3v2);
            EXPECT_TRUE(file.setFileName(path));
            EXPECT_EQ(fieldsOf(file), readsID3v2 ? c.read : guessed)
                << c.tag.title.toStdString() << c.head.toHex().left(40).toStdString() << " " << readsID3v2;
        }
    }
}

// Any ".mp1" to ".mp3" in the path, in any case, names an MP3 file, if it is a regular file
// or a link to one.
TEST(MP3File, RecognisesMP3FilesByNameAndKind)
{
    TempFolder folder;
    const QString song = folder.write(u"Song.mp3"_s, audioBytes(10));
    folder.makeFolder(u"old.mp2"_s);
    ::symlink(QFile::encodeName(song).constData(), QFile::encodeName(folder.path(u"link.mp3"_s)).constData());
    ::symlink("nowhere", QFile::encodeName(folder.path(u"dangling.mp3"_s)).constData());
    for (const QString &name : {u"Track.Mp1"_s, u"Track.MP3"_s, u"Song.mp3.bak"_s, u"old.mp2/tune.wav"_s, u".h.mp3"_s})
        EXPECT_TRUE(IsMP3File(folder.write(name, "x"))) << name.toStdString();
    const QString others[] = {folder.write(u"Track.mp4"_s, "x"), folder.path(u"dangling.mp3"_s),
        folder.makeFolder(u"folder.mp3"_s), folder.makeFifo(u"fifo.mp3"_s)};
    for (const QString &path : others)
        EXPECT_FALSE(IsMP3File(path)) << path.toStdString();
    EXPECT_TRUE(IsMP3File(folder.path(u"link.mp3"_s)));
}

// The prefetch opens only regular files: a FIFO among the names would hold its reader forever.
// A load takes the tail read ahead only while the file is the one it was read from.
TEST(MP3File, PrefetchReadsRegularFilesAndALoadTakesOnlyWhatIsStillCurrent)
{
    TempFolder folder;
    const QStringList paths = {folder.makeFifo(u"fifo.mp3"_s), folder.makeFolder(u"folder.mp3"_s),
        folder.write(u"same.mp3"_s, taggedAudio("Song", "Band")),
        folder.write(u"replaced.mp3"_s, taggedAudio("Song", "Band")),
        folder.write(u"rewritten.mp3"_s, taggedAudio("Song", "Band"))};
    QThreadPool pool;
    TagTailPrefetch prefetch(pool, paths);
    ASSERT_TRUE(pool.waitForDone(10000)) << "a prefetch read hangs";
    const QString other = folder.write(u"other.tmp"_s, taggedAudio("Anew", "Band"));
    ::rename(QFile::encodeName(other).constData(), QFile::encodeName(paths[3]).constData());
    folder.write(u"rewritten.mp3"_s, audioBytes(1) + taggedAudio("Anew", "Band"));
    const QString titles[] = {{}, {}, u"Song"_s, u"Anew"_s, u"Anew"_s};
    for (qsizetype i = 0; i < paths.size(); ++i) {
        const auto tail = prefetch.take(i);
        EXPECT_EQ(tail.has_value(), i >= 2) << paths[i].toStdString();
        MP3File file;
        EXPECT_TRUE(file.setFileName(paths[i], tail));
        EXPECT_EQ(textUpToNul(file.Title()), titles[i]) << paths[i].toStdString();
    }
}

// Reads still in flight when their prefetch goes finish into state they own with it.
TEST(MP3File, PrefetchDroppedMidwayLeavesItsReadsSafe)
{
    TempFolder folder;
    const QStringList paths(500, folder.write(u"a.mp3"_s, taggedAudio("Song", "Band")));
    QThreadPool pool;
    auto prefetch = std::make_unique<TagTailPrefetch>(pool, paths);
    prefetch.reset();
    EXPECT_TRUE(pool.waitForDone(10000));
}
