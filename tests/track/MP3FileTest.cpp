#include "track/MP3File.h"
#include "support/IndependentTaggers.h"
#include "support/TempFolder.h"
#include "track/ID3v2Tag.h"
#include "track/PackedTagFields.h"
#include "track/TagReading.h"
#include "track/TagTailPrefetch.h"
#include "track/TextUpToNul.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QThreadPool>

#include <cstdio>
#include <optional>

using namespace Qt::StringLiterals;

namespace {

// An ID3v2 frame; its size is a 32-bit number in 2.3 and a synchsafe one in 2.4, the same
// below 128.
QByteArray frame(const QByteArray &id, const QByteArray &body, quint8 formatFlags = 0)
{
    QByteArray bytes = id;
    for (const int shift : {24, 16, 8, 0})
        bytes += char(body.size() >> shift);
    return bytes + '\0' + char(formatFlags) + body;
}

// An ID3v2 header of this version that claims size bytes of frames (by default, as many as
// there are), followed by frames.
QByteArray tagOf(char version, const QByteArray &frames, std::optional<int> size = {})
{
    QByteArray bytes = QByteArray("ID3") + version + QByteArray(2, '\0');
    for (const int shift : {21, 14, 7, 0})
        bytes += char((size.value_or(int(frames.size())) >> shift) & 0x7f);
    return bytes + frames;
}

} // namespace

// Each load follows one that read "Song" by "Band", genre Rock, in both ID3v2 modes. A block
// gives its fields with spaces at the ends trimmed, NULs, tabs and Latin-1 letters kept, bytes
// 0x80 to 0x9F as Windows-1252 has them, its genre byte named after the ID3v1 table; a file
// without one, the guess from its name. When asked, an ID3v2 tag that holds a title or an
// artist comes first, block or no block: its fields at full length from every encoding, a
// genre number named after the table, the first comment without a description. A path that is
// no MP3 file (".mp1" to ".mp3" anywhere, in any case, on a regular file or a link to one)
// leaves the tags as they were; a file that cannot be read leaves only the genre.
TEST(MP3File, LoadReadsTheID3v2TagTheBlockOrTheNameOrKeepsWhatItHas)
{
    TempFolder folder;
    const QString previous = folder.write(u"previous.mp3"_s, tagBlockBytes("Song", "Band", "", "", "", 17, ' '));
    QString skipped;
    const auto tagged = [&](const QString &name, const ForeignTag &tag, const MutagenLayout &layout) {
        const QString failure = tagWithMutagen(folder.write(name, audioBytes(400)), tag, layout);
        skipped += failure;
        return failure.isEmpty() ? std::optional(folder.path(name)) : std::nullopt;
    };
    folder.makeFolder(u"old.mp2"_s);
    folder.makeDanglingLink(u"dangling.mp3"_s);
    const QString unreadable = folder.linkToUnreadableFile(u"unreadable.mp3"_s);
    if (unreadable.isEmpty())
        skipped += u"no sysfs here"_s;
    const auto nuls = [](int count) { return QString(count, QChar(u'\0')); };
    const auto latin1 = [](const QByteArray &text) { return QByteArray(1, '\0') + text; }; // a text frame's body
    const auto text = [&](const QByteArray &id, const QByteArray &body) { return frame(id, latin1(body)); };
    const auto comment = [&](const QByteArray &description, const QByteArray &body) {
        return text("COMM", "eng" + description + '\0' + body);
    };
    const QByteArray compressed = frame("TIT2", qCompress(latin1(QByteArray(10000, 'A'))), 0x80);
    const QByteArray crowded = text("TIT2", "First") + comment("iTunNORM", " 00000593").repeated(100'000)
        + text("TIT2", "Second") + text("TPE1", "Late") + comment("", "Too late");
    const QByteArray comments = comment("iTunNORM", " 00000593 00000620") + comment("iTunSMPB", " 00000000")
        + comment("Player", "Private") + comment("", "Plain") + comment("", "Second") + text("TIT2", "Song");
    const QString longTitle = u"A Title Longer Than Thirty Characters"_s;
    const QStringList kept = {u"Song"_s, u"Band"_s, {}, {}, {}, u"Rock"_s};
    const QStringList guessed = {u"Song"_s, u"Band"_s, {}, {}, {}, {}};
    using enum TagReading::TagSource;
    const struct
    {
        std::optional<QString> path; // none where a tool is missing
        QStringList fields; // title, artist, album, year, comment, genre
        MP3File::TagSource source = FileName;
        std::optional<QStringList> fromID3v2 {}; // read from the ID3v2 tag when asked
        bool read = true;
    } cases[] = {
        {folder.write(u".Spaces.MP1"_s,
             audioBytes(400)
                 + tagBlockBytes("  Don\x92t Stop \x85", "B\xe4nd\t", "\x80 \x81\x9d", "80", "Note", 147, ' ')),
            {u"Don\u2019t Stop \u2026"_s, u"Bänd\t"_s, u"\u20ac \u0081\u009d"_s, u"80"_s, u"Note"_s, u"Synth Pop"_s},
            ID3v1Block},
        {folder.write(u"nuls.mp3.bak"_s, audioBytes(400) + tagBlockBytes("  Song", "Band", "", "80", "", 148)),
            {u"Song"_s + nuls(24), u"Band"_s + nuls(26), nuls(30), u"80"_s + nuls(2), nuls(30), {}}, ID3v1Block},
        {folder.write(u"old.mp2/Band - 01 - Song.wav"_s, audioBytes(100)), guessed},
        {folder.write(u"notes.mp4"_s, tagBlockBytes("Other", "Other", "", "", "", 0)), kept},
        {folder.path(u"missing.mp3"_s), kept},
        {folder.path(u"dangling.mp3"_s), kept},
        {folder.makeFolder(u"folder.mp3"_s), kept},
        {folder.makeFifo(u"fifo.mp3"_s), kept},
        {QString(), kept},
        {unreadable.isEmpty() ? std::nullopt : std::optional(unreadable), {{}, {}, {}, {}, {}, u"Rock"_s}, FileName,
            std::nullopt, false},
        {tagged(u"Band - 1 - Song.mp3"_s,
             {longTitle, u"Björk 日本"_s, u"Post"_s, u"1995-06-13"_s, u"Note"_s, {}, u"Eurodisco"_s}, {4, 3, false}),
            guessed, FileName,
            QStringList {longTitle, u"Björk 日本"_s, u"Post"_s, u"1995"_s, u"Note"_s, u"Eurodisco"_s}},
        {tagged(u"Band - 2 - Song.mp3"_s, {u"Ωmega"_s, u"Band"_s, u"Album"_s, u"1999"_s, {}, {}, u"(4)Eurodisco"_s},
             {3, 1, false}),
            guessed, FileName, QStringList {u"Ωmega"_s, u"Band"_s, u"Album"_s, u"1999"_s, {}, u"Disco"_s}},
        {tagged(u"Band - 3 - Song.mp3"_s, {}, {4, 3, false}), guessed}, // a tag without any field
        // Both tags: the block's title cut short, the tag's whole.
        {tagged(u"Band - 4 - Song.mp3"_s, {longTitle, u"Band"_s, {}, u"2001"_s, {}, {}, u"Rock"_s}, {3, 1, true}),
            {longTitle.left(30), u"Band"_s + nuls(26), nuls(30), u"2001"_s, nuls(30), u"Rock"_s}, ID3v1Block,
            QStringList {longTitle, u"Band"_s, {}, u"2001"_s, {}, u"Rock"_s}},
        // Hand-made, as other taggers rarely or never write them: a 2.4 tag with a 2.3 year and
        // no title, alone and beside a block; a blank block beside a full tag; player data in
        // comments; a compressed frame, never inflated, in a tag whose size runs past the end.
        {folder.write(u"Band - 5 - Song.mp3"_s, tagOf(4, text("TYER", "1987"), 16) + audioBytes(400)), guessed},
        {folder.write(u"year.mp3"_s,
             tagOf(4, text("TYER", "1987") + text("TIT2", " ")) + audioBytes(400)
                 + tagBlockBytes("Block", "Band", "", "", "", 17, ' ')),
            {u"Block"_s, u"Band"_s, {}, {}, {}, u"Rock"_s}, ID3v1Block},
        {folder.write(u"blank.mp3"_s,
             tagOf(3, text("TIT2", "Song") + text("TPE1", "Band")) + audioBytes(400)
                 + tagBlockBytes("", "", "", "", "", 255)),
            {nuls(30), nuls(30), nuls(30), nuls(4), nuls(30), {}}, ID3v1Block,
            QStringList {u"Song"_s, u"Band"_s, {}, {}, {}, {}}},
        {folder.write(u"Band - 6 - Song.mp3"_s, tagOf(3, comments) + audioBytes(400)), guessed, FileName,
            QStringList {u"Song"_s, {}, {}, {}, u"Plain"_s, {}}},
        {folder.write(
             u"Band - 7 - Song.mp3"_s, tagOf(3, compressed + text("TPE1", "Other"), 0x0fffffff) + audioBytes(400)),
            guessed, FileName, QStringList {{}, u"Other"_s, {}, {}, {}, {}}},
        // The first frame of a kind counts, also past a hundred thousand comments of a player.
        {folder.write(u"Band - 8 - Song.mp3"_s, tagOf(4, crowded) + audioBytes(400)), guessed, FileName,
            QStringList {u"First"_s, u"Late"_s, {}, {}, {}, {}}},
    };
    for (const auto &c : cases) {
        if (!c.path)
            continue;
        EXPECT_EQ(IsMP3File(*c.path), c.fields != kept) << c.path->toStdString();
        for (const bool readsID3v2 : {false, true}) {
            SCOPED_TRACE(c.path->toStdString() + (readsID3v2 ? " reading ID3v2" : ""));
            const bool fromID3v2 = readsID3v2 && c.fromID3v2;
            MP3File file;
            file.setFileName(previous, readsID3v2);
            EXPECT_EQ(file.setFileName(*c.path, readsID3v2), c.read);
            EXPECT_EQ(file.FileName(), *c.path);
            const QStringList fields
                = {file.Title(), file.Artist(), file.Album(), file.Year(), file.Comment(), file.Genre()};
            EXPECT_EQ(fields, fromID3v2 ? *c.fromID3v2 : c.fields);
            EXPECT_EQ(file.tagSource(), fromID3v2 ? ID3v2Tag : c.source);
        }
    }
    if (!skipped.isEmpty())
        GTEST_SKIP() << skipped.toStdString();
}

// What the editor tells a person about: a tag at the start, whatever it holds, that players show.
TEST(MP3File, StartsWithID3v2TagLooksAtTheHeaderOnly)
{
    TempFolder folder;
    const struct
    {
        QString path;
        bool starts;
    } cases[] = {
        {folder.write(u"empty tag.mp3"_s, tagOf(3, {}) + audioBytes(400)), true},
        {folder.write(u"block only.mp3"_s, taggedAudio("Song", "Band")), false},
        {folder.write(u"short.mp3"_s, "ID3"), false},
        {folder.path(u"missing.mp3"_s), false},
        {folder.makeFifo(u"fifo.mp3"_s), false},
    };
    for (const auto &c : cases)
        EXPECT_EQ(startsWithID3v2Tag(c.path), c.starts) << c.path.toStdString();
}

// The prefetch opens only regular files: a FIFO among the names would hold its reader forever.
// A read takes the tail read ahead only while the file is the one it was read from.
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
        const TagReading reading = readTags(paths[i], false, tail);
        EXPECT_EQ(reading.outcome == TagReading::Outcome::Read, i >= 2) << paths[i].toStdString();
        EXPECT_EQ(textUpToNul(reading.tags.Title), titles[i]) << paths[i].toStdString();
    }
    // Reads still in flight when their prefetch goes finish into state they own with it.
    TagTailPrefetch(pool, QStringList(500, paths[2]));
    EXPECT_TRUE(pool.waitForDone(10000));
}

// The packed form the file list keeps its tags in gives back each field, NULs and empty ones too.
TEST(PackedTagFields, GivesBackEveryFieldAsItWas)
{
    const TagFields cases[] = {
        {},
        {u"Song"_s, u"Band"_s, u"LP"_s, u"Comment"_s, u"1973"_s, u"Rock"_s, u"03/12"_s},
        {u"Title with NULs\0\0\0"_s, {}, u"Μίκης Θεοδωράκης"_s, {}, {}, u"Blues"_s},
        {{}, {}, {}, {}, {}, u"Genre only"_s},
        {{}, {}, {}, {}, {}, {}, u"Track only"_s},
        {u"Title only"_s, {}, {}, {}, {}, {}},
    };
    for (const TagFields &fields : cases)
        EXPECT_EQ(PackedTagFields(fields).unpacked(), fields) << fields.Title.toStdString();
}
