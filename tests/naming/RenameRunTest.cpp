#include "naming/RenameRun.h"
#include "naming/ProgramState.h"
#include "support/MarkedFiles.h"
#include "support/ScriptedRenameWindow.h"
#include "support/TempFolder.h"
#include "track/ID3TagWriter.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QHash>

#include <functional>

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
    window.answers = {MessageAnswer::No};
    run();
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
