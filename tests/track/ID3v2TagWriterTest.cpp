#include "track/ID3v2TagWriter.h"

#include "platform/FileLookup.h"
#include "support/IndependentTaggers.h"
#include "support/TempFolder.h"
#include "track/ID3v2FrameWalk.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

const QString kGreekArtist = u"Μίκης Θεοδωράκης"_s;
const QString kGreekTitle = u"Καλημέρα κόσμε"_s;
const TagFields kAsRead {u"Old Title"_s, u"Old Artist"_s, u"Album"_s, u"Note"_s, u"1973"_s, {}};

QByteArray cover()
{
    QByteArray bytes(6 * 1024, Qt::Uninitialized);
    for (qsizetype i = 0; i < bytes.size(); ++i)
        bytes[i] = char(i * 37 % 251);
    return bytes;
}

// The ID3v2 tag's complete size, from its header.
qsizetype tagSizeOf(const QByteArray &file)
{
    if (!file.startsWith("ID3"))
        return 0;
    qsizetype size = 0;
    for (int i = 6; i < 10; ++i)
        size = size * 128 + (file[i] & 0x7f);
    return size + 10;
}

// The bytes between the ID3v2 tag and the ID3v1 block.
QByteArray audioOf(const QByteArray &file, bool withID3v1)
{
    const qsizetype begin = tagSizeOf(file);
    return file.sliced(begin, file.size() - begin - (withID3v1 ? 128 : 0));
}

// Each frame's bytes, but for those of the fields that were typed.
QByteArrayList framesBesidesTitleAndArtist(const QByteArray &file)
{
    const TagLib::ByteVector tag(file.constData(), unsigned(tagSizeOf(file)));
    QByteArrayList frames;
    walkID3v2Frames(tag, 10, tag.size(), unsigned(file[3]), [&](const ID3v2FrameSpan &span) {
        if (span.id != "TIT2" && span.id != "TPE1")
            frames.append(QByteArray(tag.data() + span.offset, span.size));
    });
    return frames;
}

// A 2.2 tag with three-letter frames of Latin-1 text, with room to spare.
QByteArray tagOfVersion22()
{
    QByteArray frames;
    for (const auto &[id, text] : {std::pair {"TT2", "Old Title"}, {"TP1", "Old Artist"}, {"TAL", "Album"}}) {
        const QByteArray data = '\0' + QByteArray(text);
        frames += QByteArray(id) + '\0' + '\0' + char(data.size()) + data;
    }
    frames.append(512, '\0');
    return QByteArray("ID3\x02\x00\x00\x00\x00", 8) + char(frames.size() >> 7) + char(frames.size() & 0x7f) + frames;
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

} // namespace

// A tag edited as people edit it keeps every other frame byte for byte, its version (2.2 comes
// back as 2.3) and the audio; other taggers read what was typed. A tag that grows past its
// padding, or whose ID3v1 block changes, is written afresh; one that fits is written in place.
TEST(ID3v2TagWriter, OtherTaggersReadWhatWasTyped)
{
    const struct
    {
        const char *what;
        MutagenLayout layout; // version 2: built by hand, without an ID3v1 block
        QString title;
        QString artist;
        TagSaveOutcome outcome;
        const char *id3v1Title = "";
    } cases[] = {
        {"2.3 UTF-16 with ID3v1, Greek", {3, 1, true}, kGreekTitle, kGreekArtist, TagSaveOutcome::Replaced},
        {"2.4 UTF-8, Greek, within its padding", {4, 3, false}, kGreekTitle, kGreekArtist,
            TagSaveOutcome::WrittenInPlace},
        {"2.4 UTF-8 with ID3v1, Japanese", {4, 3, true}, u"こんにちは世界"_s, u"坂本龍一"_s, TagSaveOutcome::Replaced},
        {"2.4 with ID3v1, Latin-1", {4, 3, true}, u"Caf\u00e9"_s, u"Old Artist"_s, TagSaveOutcome::Replaced, "Caf\xe9"},
        {"2.3 grown past its padding", {3, 1, false}, QString(3000, u'λ'), kGreekArtist, TagSaveOutcome::Replaced},
        {"2.2", {2, 0, false}, kGreekTitle, u"Old Artist"_s, TagSaveOutcome::WrittenInPlace},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        TempFolder folder;
        TempFolder state;
        const bool byHand = c.layout.version == 2;
        const QString path = folder.write(u"a.mp3"_s, (byHand ? tagOfVersion22() : QByteArray()) + audioBytes(20000));
        const QString date = c.layout.version == 4 ? u"1973-03-01"_s : u"1973"_s;
        if (!byHand) {
            const ForeignTag tag {u"Old Title"_s, u"Old Artist"_s, u"Album"_s, date, u"Note"_s, u"5"_s, {}, cover()};
            if (const QString why = tagWithMutagen(path, tag, c.layout); !why.isEmpty())
                GTEST_SKIP() << why.toStdString();
        }
        const QByteArray before = folder.read(u"a.mp3"_s);
        const ino_t inode = lookUpEntry(path).version.inode;
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup);
        const QFile::Permissions permissions = QFile::permissions(path);
        const TagFields asRead = byHand ? TagFields {u"Old Title"_s, u"Old Artist"_s, u"Album"_s, {}, {}, {}} : kAsRead;
        const TagFields typed {
            c.title, c.artist, asRead.Album, asRead.Comment, asRead.Year, asRead.Genre, asRead.Track};

        EXPECT_EQ(writeID3v2Tag(path, asRead, typed, state.path(u"save.record"_s)), c.outcome);
        const QByteArray after = folder.read(u"a.mp3"_s);
        EXPECT_EQ(lookUpEntry(path).version.inode == inode, c.outcome == TagSaveOutcome::WrittenInPlace);
        EXPECT_EQ(QFile::permissions(path), permissions);
        EXPECT_EQ(audioOf(after, c.layout.withID3v1), audioOf(before, c.layout.withID3v1));
        if (!byHand) {
            EXPECT_EQ(framesBesidesTitleAndArtist(after), framesBesidesTitleAndArtist(before));
        }
        if (c.layout.withID3v1) {
            EXPECT_EQ(after.right(128).sliced(3, 30), QByteArray(c.id3v1Title).leftJustified(30, ' '));
        }
        EXPECT_EQ(entriesOf(folder.path()), QStringList {u"a.mp3"_s});
        EXPECT_TRUE(entriesOf(state.path()).isEmpty());

        const TaggerReading mutagen = readWithMutagen(path);
        ASSERT_TRUE(mutagen.why.isEmpty()) << mutagen.why.toStdString();
        QMap<QString, QString> frames {{u"version"_s, c.layout.version == 4 ? u"2.4"_s : u"2.3"_s},
            {u"TIT2"_s, c.title}, {u"TPE1"_s, c.artist}, {u"TALB"_s, u"Album"_s}};
        if (!byHand)
            frames.insert({{c.layout.version == 4 ? u"TDRC"_s : u"TYER"_s, date}, {u"TRCK"_s, u"5"_s},
                {u"COMM::eng"_s, u"Note"_s}, {u"APIC:Cover"_s, QString::fromLatin1(cover().toHex())}});
        if (c.layout.withID3v1) // mutagen adds what the block holds beyond the tag: the comment now written there
            frames.insert(u"COMM:ID3v1 Comment:eng"_s, u"Note"_s);
        EXPECT_EQ(mutagen.fields, frames);
        const TaggerReading eyeD3 = readWithEyeD3(path);
        if (!eyeD3.why.isEmpty())
            GTEST_SKIP() << "eyeD3 (Debian package eyed3): " << eyeD3.why.toStdString();
        EXPECT_EQ(eyeD3.fields[u"title"_s], c.title);
        EXPECT_EQ(eyeD3.fields[u"artist"_s], c.artist);
    }
}

// Each field goes into its own frame, in the year's frame of the version; a field emptied
// takes its frames away. A comment of player data is no comment a person typed: it stays.
TEST(ID3v2TagWriter, EveryFieldIsWrittenAndAnEmptiedOneRemoved)
{
    for (const int version : {3, 4}) {
        SCOPED_TRACE(version);
        TempFolder folder;
        TempFolder state;
        const QString path = folder.write(u"a.mp3"_s, audioBytes(20000));
        const QString playerData = u" 00000593 00000620 0000131B"_s;
        const ForeignTag tag {
            u"Old Title"_s, u"Old Artist"_s, u"Album"_s, u"1973"_s, u"Note"_s, u"5"_s, u"Jazz"_s, cover(), playerData};
        if (const QString why = tagWithMutagen(path, tag, {version, 1, false}); !why.isEmpty())
            GTEST_SKIP() << why.toStdString();
        const TagFields asRead {u"Old Title"_s, u"Old Artist"_s, u"Album"_s, u"Note"_s, u"1973"_s, u"Jazz"_s};
        const TagFields typed {u"Old Title"_s, u"Old Artist"_s, {}, u"Νέο σχόλιο"_s, u"1975"_s, u"Synthwave"_s};
        EXPECT_EQ(writeID3v2Tag(path, asRead, typed, state.path(u"save.record"_s)), TagSaveOutcome::WrittenInPlace);
        const TaggerReading mutagen = readWithMutagen(path);
        ASSERT_TRUE(mutagen.why.isEmpty()) << mutagen.why.toStdString();
        EXPECT_FALSE(mutagen.fields.contains(u"TALB"_s));
        EXPECT_EQ(mutagen.fields[u"COMM::eng"_s], typed.Comment);
        EXPECT_EQ(mutagen.fields[u"COMM:iTunNORM:eng"_s], playerData);
        EXPECT_EQ(mutagen.fields[version == 4 ? u"TDRC"_s : u"TYER"_s], u"1975"_s);
        EXPECT_EQ(mutagen.fields[u"TCON"_s], u"Synthwave"_s);
        EXPECT_EQ(mutagen.fields[u"TIT2"_s], u"Old Title"_s);
        EXPECT_EQ(mutagen.fields[u"TRCK"_s], u"5"_s);
    }
}

// A file without an ID3v2 tag gets a 2.4 tag of every field typed, in front of its audio.
TEST(ID3v2TagWriter, AFileWithoutATagGetsOne)
{
    TempFolder folder;
    TempFolder state;
    const QString path = folder.write(u"a.mp3"_s, audioBytes(20000));
    const TagFields typed {kGreekTitle, kGreekArtist, u"Album"_s, {}, u"1975"_s, {}};
    EXPECT_EQ(writeID3v2Tag(path, typed, typed, state.path(u"save.record"_s)), TagSaveOutcome::Replaced);
    EXPECT_EQ(audioOf(folder.read(u"a.mp3"_s), false), audioBytes(20000));
    const TaggerReading mutagen = readWithMutagen(path);
    if (!mutagen.why.isEmpty())
        GTEST_SKIP() << mutagen.why.toStdString();
    EXPECT_EQ(mutagen.fields,
        (QMap<QString, QString> {{u"version"_s, u"2.4"_s}, {u"TIT2"_s, kGreekTitle}, {u"TPE1"_s, kGreekArtist},
            {u"TALB"_s, u"Album"_s}, {u"TDRC"_s, u"1975"_s}}));
}

namespace {

// A file of the first case above: a save of Greek text writes it afresh.
struct SavedFile
{
    SavedFile()
    {
        path = folder.write(u"a.mp3"_s, audioBytes(20000));
        why = tagWithMutagen(path,
            {u"Old Title"_s, u"Old Artist"_s, u"Album"_s, u"1973"_s, u"Note"_s, u"5"_s, {}, cover()}, {3, 1, true});
        before = folder.read(u"a.mp3"_s);
        typed.Title = kGreekTitle;
    }
    TagSaveOutcome save(const FileReplaceCalls &calls = FileReplaceCalls::kernel()) const
    {
        return writeID3v2Tag(path, kAsRead, typed, record, calls);
    }

    TempFolder folder;
    TempFolder state;
    QString record = state.path(u"saves/replace.record"_s);
    QString path;
    QString why;
    QByteArray before;
    TagFields typed = kAsRead;
};

// The kernel's calls, but that the program is killed at call number killAt.
FileReplaceCalls killingAt(int killAt)
{
    const auto calls = std::make_shared<int>(0);
    const auto step = [calls, killAt] {
        if ((*calls)++ == killAt)
            std::raise(SIGKILL);
    };
    const auto counted = [step](const auto &call) { return [=](auto... args) { return step(), call(args...); }; };
    const FileReplaceCalls &kernel = FileReplaceCalls::kernel();
    return {counted(kernel.open), counted(kernel.pwrite), counted(kernel.fchown), counted(kernel.fchmod),
        counted(kernel.fsync), counted(kernel.close), counted(kernel.rename), counted(kernel.unlink)};
}

} // namespace

// Killed at any call of a replace, a save leaves the old file or the new one, whole; the next
// start removes what it left beside them.
TEST(ID3v2TagWriter, ASaveKilledAtAnyCallLeavesTheOldFileOrTheNew)
{
    SavedFile saved;
    if (!saved.why.isEmpty())
        GTEST_SKIP() << saved.why.toStdString();
    ASSERT_EQ(saved.save(), TagSaveOutcome::Replaced);
    const QByteArray after = saved.folder.read(u"a.mp3"_s);
    bool killed = true;
    int sawNew = 0;
    for (int killAt = 0; killed; ++killAt) {
        SCOPED_TRACE("killed at call " + std::to_string(killAt));
        saved.folder.write(u"a.mp3"_s, saved.before);
        const pid_t child = ::fork();
        if (child == 0)
            ::_exit(saved.save(killingAt(killAt)) == TagSaveOutcome::Replaced ? 0 : 1);
        int status = 0;
        ASSERT_EQ(::waitpid(child, &status, 0), child);
        killed = WIFSIGNALED(status);
        EXPECT_TRUE(killed || WEXITSTATUS(status) == 0);
        const QByteArray now = saved.folder.read(u"a.mp3"_s);
        EXPECT_TRUE(now == saved.before || now == after);
        sawNew += now == after;
        removeStrandedReplacement(saved.record);
        EXPECT_EQ(entriesOf(saved.folder.path()), QStringList {u"a.mp3"_s});
        EXPECT_FALSE(QFile::exists(saved.record));
    }
    EXPECT_GT(sawNew, 1);
}

// Where the file cannot be replaced, or not edited, the save says so and leaves the file, and
// everything beside it, as it was.
TEST(ID3v2TagWriter, AFileThatCannotBeReplacedIsLeftAsItWas)
{
    const auto renameFailingWith = [](int error) {
        return [error](const char *, const char *) {
            errno = error;
            return -1;
        };
    };
    const struct
    {
        const char *what;
        std::function<void(SavedFile &)> change;
        std::function<int(const char *, const char *)> rename;
        TagSaveOutcome outcome;
    } cases[] = {
        {"a volume that refuses the rename", {}, renameFailingWith(EPERM), TagSaveOutcome::Refused},
        {"another device", {}, renameFailingWith(EXDEV), TagSaveOutcome::Refused},
        {"a second name",
            [](SavedFile &saved) {
                EXPECT_EQ(::link(QFile::encodeName(saved.path), QFile::encodeName(saved.path + u".2"_s)), 0);
            },
            {}, TagSaveOutcome::Refused},
        {"a tag claiming more than the file holds",
            [](SavedFile &saved) { saved.folder.write(u"a.mp3"_s, saved.before.left(4000)); }, {},
            TagSaveOutcome::Failed},
        {"a read-only file", [](SavedFile &saved) { QFile::setPermissions(saved.path, QFile::ReadOwner); }, {},
            TagSaveOutcome::Failed},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        SavedFile saved;
        if (!saved.why.isEmpty())
            GTEST_SKIP() << saved.why.toStdString();
        if (c.change)
            c.change(saved);
        const QByteArray before = saved.folder.read(u"a.mp3"_s);
        const QStringList entries = entriesOf(saved.folder.path());
        FileReplaceCalls calls = FileReplaceCalls::kernel();
        if (c.rename)
            calls.rename = c.rename;
        EXPECT_EQ(saved.save(calls), c.outcome);
        EXPECT_EQ(saved.folder.read(u"a.mp3"_s), before);
        EXPECT_EQ(entriesOf(saved.folder.path()), entries);
        EXPECT_FALSE(QFile::exists(saved.record));
    }
}

// A record names a file to remove, but only this program's temporary file is ever removed:
// not a person's file, nor a link, nor a path cut short.
TEST(ID3v2TagWriter, OnlyAStrandedTemporaryFileIsRemoved)
{
    TempFolder folder;
    const QString stranded = folder.write(u".a.mp3~sorvane-1x2y"_s, "stranded");
    const QString song = folder.write(u"a.mp3"_s, "song");
    const QString link = folder.path(u".b.mp3~sorvane-3z"_s);
    QFile::link(song, link);
    const struct
    {
        QByteArray record;
        bool removesStranded = false;
    } cases[] = {
        {QFile::encodeName(stranded) + '\n', true},
        {QFile::encodeName(song) + '\n'},
        {QFile::encodeName(link) + '\n'},
        {QFile::encodeName(stranded)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.record.toStdString());
        const TempFolder state;
        const QString record = state.write(u"replace.record"_s, c.record);
        folder.write(u".a.mp3~sorvane-1x2y"_s, "stranded");
        removeStrandedReplacement(record);
        const QStringList left = {u".b.mp3~sorvane-3z"_s, u"a.mp3"_s};
        EXPECT_EQ(entriesOf(folder.path()), c.removesStranded ? left : QStringList {u".a.mp3~sorvane-1x2y"_s} + left);
        EXPECT_FALSE(QFile::exists(record));
    }
}
