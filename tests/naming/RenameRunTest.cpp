#include "naming/RenameRun.h"
#include "naming/ProgramState.h"
#include "naming/UndoLastRename.h"
#include "support/MarkedFiles.h"
#include "support/ScriptedProgress.h"
#include "support/ScriptedRenameWindow.h"
#include "support/TempFolder.h"
#include "track/ID3TagWriter.h"

#include <gtest/gtest.h>

#include <QDirIterator>
#include <QFile>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

using enum MessageAnswer;

class RenameRunTest : public testing::Test
{
protected:
    RenameRunTest() { state.RenameJournalPath = folder.path() + u"/state/last-rename.journal"_s; }

    void run(std::deque<MessageAnswer> answers)
    {
        window.answers = std::move(answers);
        RenameRun(state, window).RenameAllFiles(progress);
    }
    void undo(std::deque<MessageAnswer> answers = {Yes, Ok})
    {
        window.answers = std::move(answers);
        UndoLastRename(state.RenameJournalPath, window);
    }
    // Writes and lists each file (a path below the folder) tagged with its title and artist,
    // its name at the start of its contents.
    void writeTagged(const std::vector<std::array<QByteArray, 3>> &files)
    {
        QStringList paths;
        for (const auto &[name, title, artist] : files)
            paths.append(folder.write(QString::fromUtf8(name),
                fileNameOf(QString::fromUtf8(name)).toUtf8() + ';' + taggedAudio(title, artist)));
        state.ListedFiles.listFiles(paths, progress);
    }

    TempFolder folder;
    ProgramState state;
    ScriptedRenameWindow window;
    ScriptedProgress progress;
};

const QString kConfirm = u"Rename All Files?"_s;
const QString kMissing = u"ID3 Tags Required"_s;

// The files below folder, each by its path below it, sorted; the journal's folder aside.
QStringList filesBelow(const QString &folder)
{
    QStringList paths;
    for (QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories); it.hasNext();) {
        const QString path = it.next().mid(folder.size());
        if (!path.startsWith(u"state/"_s))
            paths.append(path);
    }
    paths.sort();
    return paths;
}

} // namespace

// A thousand files, ten heading for each name, some named so already but in lower case, some
// gone since the listing, and one name held by a file outside the list: nothing is replaced,
// the first file heading for a free name gets it, and each file that was not renamed is counted.
TEST_F(RenameRunTest, NeverReplacesAFileAndCountsWhatWasNotRenamed)
{
    QHash<QString, QByteArray> expected {{u"Band 7 - Song 7.mp3"_s, "precious;"}};
    folder.write(u"Band 7 - Song 7.mp3"_s, "precious;");
    QStringList listed;
    for (int i = 0; i < 1000; ++i) {
        const QByteArray n = QByteArray::number(i % 100);
        const QString name = i < 100 && i % 10 == 0 ? QString::fromLatin1("band " + n + " - song " + n + ".mp3")
                                                    : u"track%1.mp3"_s.arg(i, 4, 10, QChar(u'0'));
        const QString newName = QString::fromLatin1("Band " + n + " - Song " + n + ".mp3");
        const QByteArray marker = "file " + QByteArray::number(i) + ';';
        listed.append(folder.write(name, marker + taggedAudio("song " + n, "band " + n)));
        if (i % 7 != 3)
            expected.insert(expected.contains(newName) ? name : newName, marker);
    }
    state.ListedFiles.listFiles(listed, progress);
    for (int i = 3; i < 1000; i += 7)
        QFile::remove(listed[i]); // gone since the listing
    run({Yes, No});
    expectMarkedFiles(folder.path(), expected);
    // 99 of the 100 names are free.
    EXPECT_TRUE(window.lastText().contains(u"screen.\n901 file(s) could not be renamed.\nDo you"_s))
        << window.lastText().toStdString();
    EXPECT_TRUE(window.ended);
}

// Confirmed, a forced run opens the editor for every file first; while tags are missing, the
// person is asked to add them until they are there or refused. A journal that cannot be
// written never stops the run: undo is only not offered for it, nor for an older run.
TEST_F(RenameRunTest, EditsTagsFirstAndAsksForMissingOnesUntilThereOrRefused)
{
    folder.write(u"state"_s, "a file where the state folder should be");
    writeTagged({{"a.mp3", "Song", "Band"}, {"b.mp3", "", "Group"}, {"c.mp3", "Other", "Group"}});
    run({No});
    EXPECT_EQ(window.busyChanges, 0);

    window.forceTagEdit = true;
    // The editor's Save: a new tag for the file in hand.
    const auto saveTag = [this](const QString &artist, const QString &title) -> std::function<void()> {
        return [=, this] { WriteID3TagFields(state.CurrentFile.FileName(), artist, title, {}, {}, {}, 0); };
    };
    // a: a new title; b: cancelled twice, then completed; c: title emptied, then refused.
    window.editorSteps = {saveTag(u"Band"_s, u"New Song"_s), [] {}, [] {}, saveTag(u"Group"_s, u"Song"_s),
        saveTag(u"Group"_s, QString())};
    run({Yes, Yes, Yes, No, Yes});
    EXPECT_EQ(window.titles, (QStringList {kConfirm, kConfirm, kMissing, kMissing, kMissing, u"Rename Complete!"_s}));
    EXPECT_EQ(
        folder.fileNames(), (QStringList {u"Band - New Song.mp3"_s, u"Group - Song.mp3"_s, u"c.mp3"_s, u"state"_s}));
    EXPECT_TRUE(window.lastText().contains(u"screen.\nUndo will not be available for this run.\nDo you"_s))
        << window.lastText().toStdString();
    EXPECT_TRUE(state.JournalIsOutdated); // nor for any run before it
    EXPECT_EQ(window.rescans, 1);
    EXPECT_EQ(window.busyChanges, 2);
    EXPECT_FALSE(window.ended);
}

// An empty list ends the program; the run stops at the first file that is no MP3 file.
TEST_F(RenameRunTest, StopsAtAnEmptyListOrTheFirstFileThatIsNoMP3File)
{
    run({Yes, Ok});
    EXPECT_TRUE(window.ended);
    writeTagged({{"a.mp3", "One", "Band"}, {"notes.txt", "Two", "Band"}, {"b.mp3", "Three", "Band"}});
    run({Yes, Ok});
    EXPECT_EQ(
        window.titles, (QStringList {kConfirm, u"Unable to Proceed"_s, kConfirm, u"Please Select Only MP3 Files"_s}));
    EXPECT_EQ(folder.fileNames(), (QStringList {u"Band - One.mp3"_s, u"b.mp3"_s, u"notes.txt"_s}));
    EXPECT_EQ(window.busyChanges, 2);
}

// Listed with its subfolders, a tree of three levels is renamed file by file, each file in
// the folder it lies in, the same new name in two folders being no clash; undo gives every
// name back.
TEST_F(RenameRunTest, RenamesATreeEachFileInItsOwnFolderAndUndoGivesEveryNameBack)
{
    writeTagged({{"top.mp3", "Top", "Band"}, {"Album/01.mp3", "Song", "Band"}, {"Album/Disc 2/01.mp3", "Song", "Band"},
        {"Other/01.mp3", "Song", "Band"}});
    const QStringList before = filesBelow(folder.path());
    state.ListedFiles.setIncludesSubfolders(true);
    state.ListedFiles.listFolder(folder.path(), progress);
    run({Yes, No});
    EXPECT_EQ(filesBelow(folder.path()),
        (QStringList {u"Album/Band - Song.mp3"_s, u"Album/Disc 2/Band - Song.mp3"_s, u"Band - Top.mp3"_s,
            u"Other/Band - Song.mp3"_s}));
    undo();
    EXPECT_EQ(filesBelow(folder.path()), before);
    for (const QString &path : before)
        EXPECT_TRUE(folder.read(path).startsWith(fileNameOf(path).toUtf8() + ';')) << path.toStdString();
}

// Stopped between two files, a run keeps what it renamed, its journal holds exactly those
// renames, and its completion box says how many of how many files were renamed.
TEST_F(RenameRunTest, AStoppedRunJournalsExactlyWhatItRenamed)
{
    writeTagged({{"a.mp3", "One", "Band"}, {"b.mp3", "Two", "Band"}, {"c.mp3", "Three", "Band"}});
    progress.stopAt = 2;
    run({Yes, No});
    EXPECT_EQ(folder.fileNames(), (QStringList {u"Band - One.mp3"_s, u"Band - Two.mp3"_s, u"c.mp3"_s}));
    EXPECT_TRUE(window.lastText().startsWith(u"The run was stopped: 2 of 3 files were renamed.\n"_s))
        << window.lastText().toStdString();
    QStringList journaled;
    for (const JournalEntry &entry : readRenameJournal(state.RenameJournalPath).entries)
        journaled.append(entry.folder + entry.oldName + u" -> "_s + entry.newName);
    EXPECT_EQ(journaled,
        (QStringList {folder.path(u"a.mp3 -> Band - One.mp3"_s), folder.path(u"b.mp3 -> Band - Two.mp3"_s)}));
}

// A run killed part way leaves a journal of the renames it made, and undo gives them back
// newest first: the second file took the name the first gave up. Odd bytes in a name (a tab,
// a line break, a per cent sign) survive the journal. A rename whose old name was taken
// meanwhile is counted, leaves both files as they are, and stays in the journal for the next undo.
TEST_F(RenameRunTest, UndoGivesBackEveryNameAKilledRunGave)
{
    writeTagged(
        {{"X - Y.mp3", "Song", "Band"}, {"50%\tmix\n.mp3", "Y", "X"}, {"c.mp3", "C", "Band"}, {"d.mp3", "D", "Band"}});
    const pid_t child = fork();
    if (child == 0) {
        window.forceTagEdit = true;
        window.editorSteps = {[] {}, [] {}, [] {}, [] { raise(SIGKILL); }};
        run({Yes});
        _exit(0);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL);
    EXPECT_EQ(folder.fileNames(), (QStringList {u"Band - C.mp3"_s, u"Band - Song.mp3"_s, u"X - Y.mp3"_s, u"d.mp3"_s}));
    folder.write(u"c.mp3"_s, "newcomer");
    undo();
    EXPECT_EQ(
        window.lastText(), u"2 file(s) have their old names again.\n1 file(s) could not be given their old names."_s);
    EXPECT_EQ(folder.read(u"c.mp3"_s), "newcomer");
    QFile::remove(folder.path(u"c.mp3"_s));
    undo();
    EXPECT_EQ(window.lastText(), u"1 file(s) have their old names again."_s);
    EXPECT_EQ(folder.fileNames(), (QStringList {u"50%\tmix\n.mp3"_s, u"X - Y.mp3"_s, u"c.mp3"_s, u"d.mp3"_s}));
    for (const QString &name : folder.fileNames())
        EXPECT_TRUE(folder.read(name).startsWith(name.toUtf8() + ';')) << name.toStdString();
    EXPECT_FALSE(QFile::exists(state.RenameJournalPath));
    EXPECT_EQ(window.rescans, 2);
}

// A damaged journal is never half-applied: it is reported and set aside. A record cut short
// at the end is one whose rename never reached the journal, not damage.
TEST_F(RenameRunTest, ADamagedJournalIsSetAsideWhole)
{
    const QByteArray header = "Sorvane rename journal 1\n";
    const QByteArray good = QFile::encodeName(folder.path()).toPercentEncoding("/") + "\tc.mp3\td.mp3\n";
    const std::pair<QByteArray, bool> cases[] = {
        // journal, readable
        {header + good + "/f/\tpartial", true},
        {"a list of names\n" + good, false},
        {header + good + "/f/\tonly two\n", false},
        {header + good + "relative/\ta.mp3\tb.mp3\n", false},
        {header + good + "/f/\t..\tb.mp3\n", false},
        {header + good + "/f/\ta%00.mp3\tb.mp3\n", false},
        {header + good + "/f/\ta%zz.mp3\tb.mp3\n", false},
    };
    for (const auto &[journal, readable] : cases) {
        SCOPED_TRACE(journal.toStdString());
        folder.write(u"d.mp3"_s, "renamed");
        folder.write(u"state/last-rename.journal"_s, journal);
        undo({readable ? No : Ok});
        EXPECT_EQ(window.titles.last(), readable ? u"Undo Last Rename?"_s : u"Undo Last Rename"_s);
        EXPECT_EQ(QFile::exists(state.RenameJournalPath), readable);
        EXPECT_EQ(QFile::exists(state.RenameJournalPath + u".damaged"_s), !readable);
        EXPECT_TRUE(QFile::exists(folder.path(u"d.mp3"_s)));
        QFile::remove(state.RenameJournalPath + u".damaged"_s);
    }
}
