#include "naming/FileList.h"
#include "support/ScriptedProgress.h"
#include "support/TempFolder.h"
#include "track/ID3TagWriter.h"

#include <gtest/gtest.h>

#include <QFile>

#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

struct Row
{
    QString shown;
    QString newName;

    friend bool operator==(const Row &, const Row &) = default;
    friend void PrintTo(const Row &row, std::ostream *out)
    {
        *out << row.shown.toStdString() << " -> " << row.newName.toStdString();
    }
};

std::vector<Row> rowsOf(const FileList &list)
{
    std::vector<Row> rows;
    for (const ListedFile &file : list.files())
        rows.push_back({file.shownName().toString(), file.newName});
    return rows;
}

class FileListTest : public testing::Test
{
protected:
    // A file tagged with a title and the artist "Band", named as it is tagged.
    QString writeSong(const QString &name, const QByteArray &title)
    {
        return folder.write(name, taggedAudio(title, "Band"));
    }

    TempFolder folder;
    FileList list;
    ScriptedProgress progress;
};

} // namespace

// A folder alone, or with every folder below it: its own files first, each subfolder after
// them in the order names are listed, each file shown by its path below the folder. Folders
// not entered: hidden ones and links to folders.
TEST_F(FileListTest, ListsAFolderAloneOrWithItsSubfolders)
{
    writeSong(u"b.mp3"_s, "Top");
    writeSong(u"Album/02.mp3"_s, "Two");
    writeSong(u"Album/01.mp3"_s, "One");
    writeSong(u"Album/Disc 2/01.mp3"_s, "Deep");
    writeSong(u"album b/01.mp3"_s, "Other");
    writeSong(u".hidden/01.mp3"_s, "Hidden");
    ASSERT_EQ(::symlink("Album", QFile::encodeName(folder.path(u"linked"_s)).constData()), 0);
    const struct
    {
        bool subfolders;
        std::vector<Row> rows;
        int folders;
    } cases[] = {
        {false, {{u"b.mp3"_s, u"Band - Top.mp3"_s}}, 1},
        {true,
            {{u"b.mp3"_s, u"Band - Top.mp3"_s}, {u"Album/01.mp3"_s, u"Band - One.mp3"_s},
                {u"Album/02.mp3"_s, u"Band - Two.mp3"_s}, {u"Album/Disc 2/01.mp3"_s, u"Band - Deep.mp3"_s},
                {u"album b/01.mp3"_s, u"Band - Other.mp3"_s}},
            4},
    };
    for (const auto &c : cases) {
        list.setIncludesSubfolders(c.subfolders);
        const ListingResult result = list.listFolder(folder.path(), progress);
        EXPECT_EQ(rowsOf(list), c.rows) << c.subfolders;
        EXPECT_EQ(result.found, qsizetype(c.rows.size()));
        EXPECT_EQ(list.folderCount(), c.folders);
        EXPECT_FALSE(list.isShownBottomUp());
    }
    // Names are compared within each folder: the same proposed name in two folders is no clash.
    writeSong(u"album b/Band - One.mp3"_s, "One");
    list.listFolder(folder.path(), progress);
    using enum RenameWarning;
    EXPECT_EQ(list.renameWarnings(), (std::vector {None, None, None, None, None, Unchanged}));
}

// Files named from several folders: each keeps its own folder and its own tags, a file of the
// same name in another folder is not taken for it, and a regular file that is no MP3 file is
// listed without a name. Shown bottom up by their bare names.
TEST_F(FileListTest, ListsNamedFilesEachFromItsOwnFolder)
{
    writeSong(u"album1/02.mp3"_s, "Stranger");
    const QStringList paths = {writeSong(u"album1/01.mp3"_s, "One"), writeSong(u"album2/02.mp3"_s, "Two"),
        writeSong(u"album2/03.mp3"_s, "Three"), folder.write(u"album2/notes.txt"_s, "notes")};
    list.listFiles(paths, progress);
    EXPECT_EQ(rowsOf(list),
        (std::vector<Row> {{u"01.mp3"_s, u"Band - One.mp3"_s}, {u"02.mp3"_s, u"Band - Two.mp3"_s},
            {u"03.mp3"_s, u"Band - Three.mp3"_s}, {u"notes.txt"_s, {}}}));
    EXPECT_EQ(list.files()[1].path, paths[1]);
    EXPECT_TRUE(list.files()[3].needsTags);
    EXPECT_EQ(list.folderCount(), 2);
    EXPECT_TRUE(list.isShownBottomUp());
}

// No bound on the number of files.
TEST_F(FileListTest, ListsMoreThanAThousandFiles)
{
    for (int i = 0; i < 1001; ++i)
        folder.write(u"%1.mp3"_s.arg(i, 4, 10, QChar(u'0')), QByteArray());
    list.listFolder(folder.path(), progress);
    ASSERT_EQ(list.files().size(), 1001u);
    EXPECT_EQ(list.files().back().shownName(), u"1000.mp3"_s);
}

// A file swapped for something else, or removed, between the folder's reading and its own is
// not listed; no entry ever holds the tags of the file listed before it.
TEST_F(FileListTest, AFileSwappedOrRemovedAfterTheFolderWasReadIsNotListed)
{
    const QStringList names = {u"a.mp3"_s, u"fifo.mp3"_s, u"folder.mp3"_s, u"gone.mp3"_s, u"link.mp3"_s, u"z.mp3"_s};
    for (const QString &name : names)
        writeSong(name, name.chopped(4).toUtf8());
    progress.atStep = [&](WorkProgress::Work work, qsizetype done) {
        if (work != WorkProgress::Work::ReadingTags || done != 0)
            return;
        for (const QString &name : names.mid(1, 4))
            QFile::remove(folder.path(name));
        folder.makeFifo(u"fifo.mp3"_s);
        folder.makeFolder(u"folder.mp3"_s);
        folder.makeDanglingLink(u"link.mp3"_s);
    };
    const ListingResult result = list.listFolder(folder.path(), progress);
    EXPECT_EQ(result.found, 6);
    EXPECT_EQ(rowsOf(list), (std::vector<Row> {{u"a.mp3"_s, u"Band - A.mp3"_s}, {u"z.mp3"_s, u"Band - Z.mp3"_s}}));
}

// Stopped part way, a listing keeps the files read so far; a new convention rebuilds the
// proposed names from the tags as read, and only a new listing reads the files again.
TEST_F(FileListTest, StopsPartWayAndRebuildsNamesFromTheTagsAsRead)
{
    for (const char *name : {"a", "b", "c"})
        writeSong(QString::fromLatin1(name) + u".mp3"_s, name);
    progress.stopAt = 2;
    EXPECT_TRUE(list.listFolder(folder.path(), progress).stopped);
    EXPECT_EQ(list.files().size(), 2u);
    progress.stopAt.reset();
    list.listFolder(folder.path(), progress);

    ASSERT_TRUE(WriteID3TagFields(folder.path(u"a.mp3"_s), u"Group"_s, u"New"_s, {}, {}, {}, 0));
    IllegalCharList illegalChars;
    FillIllegalChars(illegalChars);
    list.setNaming(2, illegalChars); // "Song Title - Artist"
    EXPECT_EQ(list.files()[0].newName, u"A - Band.mp3"_s);
    list.listAgain(progress);
    EXPECT_EQ(list.files()[0].newName, u"New - Group.mp3"_s);
}
