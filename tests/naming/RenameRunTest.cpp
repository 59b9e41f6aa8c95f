#include "naming/RenameRun.h"
#include "naming/ProgramState.h"
#include "naming/RenameJournal.h"
#include "naming/RenamePreview.h"
#include "naming/UndoLastRename.h"
#include "support/MarkedFiles.h"
#include "support/ScriptedRenameWindow.h"
#include "support/TempFolder.h"
#include "track/ID3TagWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

class RenameRunTest : public testing::Test
{
protected:
    RenameRunTest()
    {
        state.CurrentDirectory = folder.path();
        state.RenameJournalPath = folder.path() + u"/state/last-rename.journal"_s;
    }

    void list(const QStringList &names) { state.FileNames = names; }
    void run() { RenameRun(state, window).RenameAllFiles(); }
    void undo() { UndoLastRename(state.RenameJournalPath, window); }
    // Writes each file tagged with its title and artist; returns what each name holds.
    QHash<QString, QByteArray> writeTagged(const std::vector<std::array<QByteArray, 3>> &files)
    {
        QHash<QString, QByteArray> contents;
        for (const auto &[name, title, artist] : files) {
            const QByteArray bytes = name + ';' + taggedAudio(title, artist);
            folder.write(QString::fromUtf8(name), bytes);
            contents.insert(QString::fromUtf8(name), bytes);
            state.FileNames.append(QString::fromUtf8(name));
        }
        return contents;
    }
    void expectContents(const QHash<QString, QByteArray> &contents)
    {
        QStringList names(contents.keyBegin(), contents.keyEnd());
        names.sort();
        EXPECT_EQ(namesOnDisk(), names);
        for (auto file = contents.cbegin(); file != contents.cend(); ++file)
            EXPECT_EQ(folder.read(file.key()), file.value()) << file.key().toStdString();
    }
    QStringList namesOnDisk() const { return QDir(folder.path()).entryList(QDir::Files, QDir::Name); }
    // The editor's Save: a new tag for the file in hand.
    std::function<void()> saveTag(const QString &artist, const QString &title)
    {
        return [this, artist, title] { WriteID3TagFields(state.CurrentFile.FileName(), artist, title, {}, {}, {}, 0); };
    }

    TempFolder folder;
    ProgramState state;
    ScriptedRenameWindow window;
};

const QString kConfirm = u"Rename All Files?"_s;
const QString kMissing = u"ID3 Tags Required"_s;
const QString kComplete = u"Rename Complete!"_s;

} // namespace

TEST_F(RenameRunTest, NoToTheConfirmationChangesNothing)
{
    folder.write(u"a.mp3"_s, taggedAudio("Song", "Band"));
    list({u"a.mp3"_s});
    window.keepingNames = 2;
    window.answers = {MessageAnswer::No};
    run();
    EXPECT_EQ(window.lastText,
        u"2 file(s) would keep their names because the new name is already in use.\n"
        "Are you sure you wish to proceed?  This will rename all of the \n"
        "MP3 files as they appear in the grid on the screen."_s);
    EXPECT_EQ(namesOnDisk(), QStringList {u"a.mp3"_s});
    EXPECT_EQ(window.busyChanges, 0);
    EXPECT_FALSE(window.ended);
}

TEST_F(RenameRunTest, RenamesAfterTheTagsAndOffersMore)
{
    folder.write(u"a.mp3"_s, taggedAudio("time", "pink floyd"));
    folder.write(u"b.mp3"_s, taggedAudio("Song", "Band"));
    list({u"a.mp3"_s, u"b.mp3"_s});
    window.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    run();
    EXPECT_EQ(namesOnDisk(), (QStringList {u"Band - Song.mp3"_s, u"Pink Floyd - Time.mp3"_s}));
    EXPECT_EQ(window.titles, (QStringList {kConfirm, kComplete}));
    EXPECT_EQ(window.lastText,
        u"Files have been renamed as listed in the list displayed on the screen.\n"
        "Do you wish to rename more files?"_s);
    EXPECT_EQ(window.rescans, 1);
    EXPECT_EQ(window.busyChanges, 2);
}

// Two files heading for one name, and a name another file already has: nothing is replaced,
// and the person is told how many files kept their names.
TEST_F(RenameRunTest, NeverReplacesAFileAndCountsWhatWasNotRenamed)
{
    const QByteArray first = "first" + taggedAudio("Song", "Band");
    const QByteArray second = "second" + taggedAudio("Song", "Band");
    const QByteArray taken = taggedAudio("Other", "Group");
    folder.write(u"a.mp3"_s, first);
    folder.write(u"b.mp3"_s, second);
    folder.write(u"c.mp3"_s, taken);
    folder.write(u"Group - Other.mp3"_s, "precious");
    list({u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s, u"gone.mp3"_s});
    window.answers = {MessageAnswer::Yes, MessageAnswer::No};
    run();
    EXPECT_EQ(folder.read(u"Band - Song.mp3"_s), first);
    EXPECT_EQ(folder.read(u"b.mp3"_s), second);
    EXPECT_EQ(folder.read(u"c.mp3"_s), taken);
    EXPECT_EQ(folder.read(u"Group - Other.mp3"_s), "precious");
    EXPECT_TRUE(window.lastText.contains(u"screen.\n3 file(s) could not be renamed.\nDo you wish"_s));
    EXPECT_TRUE(window.ended);
}

TEST_F(RenameRunTest, AsksForMissingTagsUntilTheyAreThereOrRefused)
{
    folder.write(u"a.mp3"_s, taggedAudio("", "Band"));
    folder.write(u"b.mp3"_s, taggedAudio("", "Group"));
    list({u"a.mp3"_s, u"b.mp3"_s});
    // a: cancelled once, then completed; b: refused.
    window.answers
        = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Yes};
    window.editorSteps = {[] {}, saveTag(u"Band"_s, u"Song"_s)};
    run();
    EXPECT_EQ(window.titles, (QStringList {kConfirm, kMissing, kMissing, kMissing, kComplete}));
    EXPECT_EQ(namesOnDisk(), (QStringList {u"Band - Song.mp3"_s, u"b.mp3"_s}));
    EXPECT_TRUE(window.editorSteps.empty());
}

TEST_F(RenameRunTest, ForcedTagEditOpensTheEditorForEveryFileFirst)
{
    folder.write(u"a.mp3"_s, taggedAudio("Song", "Band"));
    folder.write(u"b.mp3"_s, taggedAudio("Other", "Group"));
    list({u"a.mp3"_s, u"b.mp3"_s});
    window.forceTagEdit = true;
    // b's title is emptied in the editor: then the missing-tags box follows.
    window.answers = {MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::Yes};
    window.editorSteps = {saveTag(u"Band"_s, u"New Song"_s), saveTag(u"Group"_s, QString())};
    run();
    EXPECT_EQ(window.titles, (QStringList {kConfirm, kMissing, kComplete}));
    EXPECT_EQ(namesOnDisk(), (QStringList {u"Band - New Song.mp3"_s, u"b.mp3"_s}));
}

TEST_F(RenameRunTest, StopsAtTheFirstFileThatIsNoMP3File)
{
    folder.write(u"a.mp3"_s, taggedAudio("One", "Band"));
    folder.write(u"notes.txt"_s, taggedAudio("Two", "Band"));
    folder.write(u"b.mp3"_s, taggedAudio("Three", "Band"));
    state.CommandLine = u"a.mp3 notes.txt b.mp3"_s;
    // An argument that named no file is passed over, not taken for the end of the list.
    state.ArgumentFiles = {QString(), u"a.mp3"_s, u"notes.txt"_s, u"b.mp3"_s};
    window.answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    run();
    EXPECT_EQ(window.titles, (QStringList {kConfirm, u"Please Select Only MP3 Files"_s}));
    EXPECT_EQ(namesOnDisk(), (QStringList {u"Band - One.mp3"_s, u"b.mp3"_s, u"notes.txt"_s}));
    EXPECT_EQ(window.busyChanges, 2);
}

TEST_F(RenameRunTest, EmptyListEndsTheProgram)
{
    window.answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    run();
    EXPECT_EQ(window.titles, (QStringList {kConfirm, u"Unable to Proceed"_s}));
    EXPECT_TRUE(window.ended);
}

// A thousand files, many heading for one name, some only changing case, some gone since
// the listing: afterwards every file that was there is there once, under its old name or
// the one the run gave it, and nothing else is in the folder.
TEST_F(RenameRunTest, KeepsEveryFileThroughCollisionsCaseChangesAndVanishedFiles)
{
    constexpr int files = 1000;
    QStringList names;
    QHash<QByteArray, OldOrNewName> expected;
    for (int i = 0; i < files; ++i) {
        const QByteArray artist = "band " + QByteArray::number(i % 100);
        const QByteArray title = "song " + QByteArray::number(i % 100);
        // A few files are named as their tag would name them, but in lower case.
        const QString name = i < 100 && i % 10 == 0 ? QString::fromLatin1(artist + " - " + title + ".mp3")
                                                    : u"track%1.mp3"_s.arg(i, 4, 10, QChar(u'0'));
        const QByteArray marker = "file " + QByteArray::number(i) + ';';
        folder.write(name, marker + taggedAudio(title, artist));
        names.append(name);
        expected.insert(marker,
            {name,
                QString::fromLatin1(
                    "Band " + QByteArray::number(i % 100) + " - Song " + QByteArray::number(i % 100) + ".mp3")});
    }
    for (int i = 3; i < files; i += 7) {
        QFile::remove(folder.path(names[i]));
        expected.remove("file " + QByteArray::number(i) + ';');
    }
    list(names);
    window.answers = {MessageAnswer::Yes, MessageAnswer::No};
    run();

    expectEachFileOnceUnderOldOrNewName(folder.path(), expected);
}

// The second file takes the name the first gave up, so only newest-first gets both back.
// Odd bytes in a name (a tab, a line break, a per cent sign) survive the journal.
TEST_F(RenameRunTest, UndoGivesEveryOldNameBackNewestFirst)
{
    const auto before = writeTagged({{"X - Y.mp3", "Song", "Band"}, {"50%\tmix\n.mp3", "Y", "X"}});
    window.answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Ok};
    run();
    EXPECT_EQ(namesOnDisk(), (QStringList {u"Band - Song.mp3"_s, u"X - Y.mp3"_s}));
    undo();
    EXPECT_EQ(window.titles, (QStringList {kConfirm, kComplete, u"Undo Last Rename?"_s, u"Undo Complete"_s}));
    EXPECT_EQ(window.lastText, u"2 file(s) have their old names again."_s);
    expectContents(before);
    EXPECT_FALSE(QFile::exists(state.RenameJournalPath));
    EXPECT_EQ(window.rescans, 2);
}

// A run killed part way leaves a journal of the renames that were made, and they are undone.
TEST_F(RenameRunTest, UndoesARunThatWasKilled)
{
    const auto before = writeTagged({{"a.mp3", "A", "Band"}, {"b.mp3", "B", "Band"}, {"c.mp3", "C", "Band"},
        {"d.mp3", "D", "Band"}, {"e.mp3", "E", "Band"}});
    const pid_t child = fork();
    if (child == 0) {
        window.forceTagEdit = true;
        window.answers = {MessageAnswer::Yes};
        window.editorSteps = {[] {}, [] {}, [] {}, [] { raise(SIGKILL); }};
        run();
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(
        namesOnDisk(), (QStringList {u"Band - A.mp3"_s, u"Band - B.mp3"_s, u"Band - C.mp3"_s, u"d.mp3"_s, u"e.mp3"_s}));
    window.answers = {MessageAnswer::Yes, MessageAnswer::Ok};
    undo();
    EXPECT_EQ(window.lastText, u"3 file(s) have their old names again."_s);
    expectContents(before);
}

// A file renamed again by hand, and an old name taken meanwhile: both are counted, stay in
// the journal, and neither file is touched.
TEST_F(RenameRunTest, UndoKeepsWhatItCannotGiveBack)
{
    writeTagged({{"a.mp3", "A", "Band"}, {"b.mp3", "B", "Band"}, {"c.mp3", "C", "Band"}});
    window.answers = {MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Yes, MessageAnswer::Ok};
    run();
    ASSERT_TRUE(QFile::rename(folder.path(u"Band - A.mp3"_s), folder.path(u"mine.mp3"_s)));
    folder.write(u"b.mp3"_s, "newcomer");
    undo();
    EXPECT_EQ(
        window.lastText, u"1 file(s) have their old names again.\n2 file(s) could not be given their old names."_s);
    EXPECT_EQ(namesOnDisk(), (QStringList {u"Band - B.mp3"_s, u"b.mp3"_s, u"c.mp3"_s, u"mine.mp3"_s}));
    EXPECT_EQ(folder.read(u"b.mp3"_s), "newcomer");
    const JournalContents left = readRenameJournal(state.RenameJournalPath);
    EXPECT_TRUE(left.readable);
    EXPECT_EQ(left.entries,
        (std::vector<JournalEntry> {
            {folder.path(), u"a.mp3"_s, u"Band - A.mp3"_s}, {folder.path(), u"b.mp3"_s, u"Band - B.mp3"_s}}));
}

TEST_F(RenameRunTest, AJournalThatCannotBeWrittenNeverStopsTheRun)
{
    folder.write(u"state"_s, "a file where the state folder should be");
    writeTagged({{"a.mp3", "Song", "Band"}});
    window.answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    run();
    EXPECT_EQ(namesOnDisk(), (QStringList {u"Band - Song.mp3"_s, u"state"_s}));
    EXPECT_EQ(window.lastText,
        u"Files have been renamed as listed in the list displayed on the screen.\n"
        "Undo will not be available for this run.\nDo you wish to rename more files?"_s);
}

// A damaged journal is never half-applied: it is reported and set aside. A record cut short
// at the end is one whose rename never reached the journal, not damage.
TEST_F(RenameRunTest, ADamagedJournalIsSetAsideWhole)
{
    const QByteArray header = "Sorvane rename journal 1\n";
    const QByteArray good = QFile::encodeName(folder.path()).toPercentEncoding("/") + "\tc.mp3\td.mp3\n";
    const struct
    {
        QByteArray journal;
        bool readable;
    } cases[] = {
        {header + good + "/f/\tpartial", true},
        {"a list of names\n" + good, false},
        {header + good + "/f/\tonly two\n", false},
        {header + good + "relative/\ta.mp3\tb.mp3\n", false},
        {header + good + "/f/\ta%2Fb.mp3\tb.mp3\n", false},
        {header + good + "/f/\ta%00.mp3\tb.mp3\n", false},
        {header + good + "/f/\ta%zz.mp3\tb.mp3\n", false},
    };
    folder.makeFolder(u"state"_s);
    for (const auto &c : cases) {
        folder.write(u"d.mp3"_s, "renamed");
        folder.write(u"state/last-rename.journal"_s, c.journal);
        window.titles.clear();
        window.answers = {c.readable ? MessageAnswer::No : MessageAnswer::Ok};
        undo();
        EXPECT_EQ(window.titles.value(0), c.readable ? u"Undo Last Rename?"_s : u"Undo Last Rename"_s)
            << c.journal.toStdString();
        EXPECT_EQ(QFile::exists(state.RenameJournalPath), c.readable) << c.journal.toStdString();
        EXPECT_EQ(QFile::exists(state.RenameJournalPath + u".damaged"_s), !c.readable) << c.journal.toStdString();
        EXPECT_TRUE(QFile::exists(folder.path(u"d.mp3"_s)));
        QFile::remove(state.RenameJournalPath + u".damaged"_s);
    }
}

TEST(RenamePreview, WarnsOfEveryNameTheRunWillNotGive)
{
    using enum RenameWarning;
    const struct
    {
        std::vector<ListedRename> files;
        QStringList folder;
        std::vector<RenameWarning> warnings;
    } cases[] = {
        {{{u"a.mp3"_s, u"B - A.mp3"_s}}, {u"a.mp3"_s}, {None}},
        {{{u"a.mp3"_s, u"a.mp3"_s}}, {u"a.mp3"_s}, {Unchanged}},
        {{{u"a.mp3"_s, u"a.mp3"_s, true}}, {u"a.mp3"_s}, {NeedsTags}},
        {{{u"a.mp3"_s, u"X.mp3"_s}}, {u"a.mp3"_s, u"X.mp3"_s}, {NameTaken}},
        {{{u"a.mp3"_s, u"X.mp3"_s}}, {u"a.mp3"_s, u"x.MP3"_s}, {NameTaken}},
        // Its own name in another case is no clash, unless another entry has the new case.
        {{{u"a.mp3"_s, u"A.mp3"_s}}, {u"a.mp3"_s}, {None}},
        {{{u"a.mp3"_s, u"A.mp3"_s}}, {u"a.mp3"_s, u"A.mp3"_s}, {NameTaken}},
        {{{u"a.mp3"_s, u"S.mp3"_s}, {u"b.mp3"_s, u"T.mp3"_s}, {u"c.mp3"_s, u"s.mp3"_s}},
            {u"a.mp3"_s, u"b.mp3"_s, u"c.mp3"_s}, {NameShared, None, NameSharedEarlier}},
    };
    for (const auto &c : cases)
        EXPECT_EQ(previewRenames(c.files, c.folder), c.warnings) << c.files.front().proposedName.toStdString();
}
