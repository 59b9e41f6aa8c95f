#include "naming/FileList.h"
#include "support/IndependentTaggers.h"
#include "support/ScriptedProgress.h"
#include "support/TempFolder.h"
#include "track/ID3TagWriter.h"

#include <gtest/gtest.h>

#include <QFile>

#include <tuple>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// A file as the grid shows it: its name, the one proposed and what a rename would do.
struct Row
{
    QString shown;
    QString newName;
    RenameWarning warning = RenameWarning::None;

    friend bool operator==(const Row &, const Row &) = default;
    friend void PrintTo(const Row &row, std::ostream *out)
    {
        *out << row.shown.toStdString() << " -> " << row.newName.toStdString() << ", warning " << int(row.warning);
    }
};

std::vector<Row> rowsOf(const FileList &list)
{
    const std::vector<RenameForecast> forecasts = list.plannedRenames();
    std::vector<Row> rows;
    for (size_t i = 0; i < list.files().size(); ++i)
        rows.push_back({list.files()[i].shownName().toString(), list.files()[i].newName, forecasts[i].warning});
    return rows;
}

class FileListTest : public testing::Test
{
protected:
    // A file tagged with a title and the artist "Band", named as it is tagged.
    void writeSong(const QString &name, const QByteArray &title) { folder.write(name, taggedAudio(title, "Band")); }

    TempFolder folder;
    FileList list;
    ScriptedProgress progress;
};

} // namespace

// A folder alone, or with every folder below it: its own files first, then each subfolder in
// the order names are listed ("_" after the letters), each file shown by its path below the
// folder. Hidden folders and links to folders are not entered; a folder named like an MP3
// file is. Files named from several folders are listed in their order, shown bottom up by
// their bare names, each read from its own folder; a regular file that is no MP3 file is
// listed without a name. A proposed name is compared with every entry of the file's own
// folder, whatever its kind, and with no other folder's.
TEST_F(FileListTest, ListsAFolderAloneWithItsSubfoldersOrFilesByName)
{
    const std::pair<QString, QByteArray> songs[] = {{u"b.mp3"_s, "Top"}, {u"Album/02.mp3"_s, "Two"},
        {u"Album/01.mp3"_s, "One"}, {u"Album/Disc 2/01.mp3"_s, "Deep"}, {u"album b.mp3/01.mp3"_s, "Other"},
        {u"album b.mp3/Band - One.mp3"_s, "One"}, {u"_Live/01.mp3"_s, "Live"}, {u".hidden/01.mp3"_s, "Hidden"}};
    for (const auto &[name, title] : songs)
        writeSong(name, title);
    folder.makeFifo(u"_Live/Band - Live.mp3"_s);
    const TempFolder elsewhere;
    elsewhere.write(u"01.mp3"_s, taggedAudio("Elsewhere", "Band"));
    ASSERT_TRUE(QFile::link(u"../b.mp3"_s, folder.path(u"_Live/link.mp3"_s))
        && QFile::link(elsewhere.path(), folder.path(u"linked"_s)));
    using enum RenameWarning;
    // what is listed, the files named (none: the folder), with subfolders, the rows, the folders read
    const std::tuple<const char *, QStringList, bool, std::vector<Row>, int> cases[] = {
        {"the folder alone", {}, false, {{u"b.mp3"_s, u"Band - Top.mp3"_s}}, 1},
        {"with its subfolders", {}, true,
            {{u"b.mp3"_s, u"Band - Top.mp3"_s}, {u"Album/01.mp3"_s, u"Band - One.mp3"_s},
                {u"Album/02.mp3"_s, u"Band - Two.mp3"_s}, {u"Album/Disc 2/01.mp3"_s, u"Band - Deep.mp3"_s},
                {u"album b.mp3/01.mp3"_s, u"Band - Other.mp3"_s},
                {u"album b.mp3/Band - One.mp3"_s, u"Band - One.mp3"_s, Unchanged},
                {u"_Live/01.mp3"_s, u"Band - Live.mp3"_s, NameTaken}, {u"_Live/link.mp3"_s, u"Band - Top.mp3"_s}},
            5},
        {"files by name",
            {folder.path(u"_Live/01.mp3"_s), folder.path(u"Album/02.mp3"_s), folder.path(u"album b.mp3/01.mp3"_s),
                folder.write(u"Album/notes.txt"_s, "notes")},
            false,
            {{u"01.mp3"_s, u"Band - Live.mp3"_s, NameTaken}, {u"02.mp3"_s, u"Band - Two.mp3"_s},
                {u"01.mp3"_s, u"Band - Other.mp3"_s}, {u"notes.txt"_s, {}, NeedsTags}},
            3},
    };
    for (const auto &[what, named, subfolders, rows, folders] : cases) {
        SCOPED_TRACE(what);
        list.setIncludesSubfolders(subfolders);
        const ListingResult result
            = named.isEmpty() ? list.listFolder(folder.path(), progress) : list.listFiles(named, progress);
        EXPECT_EQ(rowsOf(list), rows);
        EXPECT_EQ(result.found, qsizetype(rows.size()));
        EXPECT_EQ(list.folderCount(), folders);
        EXPECT_EQ(list.isShownBottomUp(), !named.isEmpty());
    }
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

// Stopped part way, a listing keeps the files read so far; run to its end, it lists any
// number of them. A new convention rebuilds the proposed names from the tags as read, and
// only a new listing reads the files again, as the ID3v2 setting says.
TEST_F(FileListTest, StopsPartWayListsAnyNumberAndRebuildsNamesFromTheTagsAsRead)
{
    for (int i = 0; i <= 1000; ++i)
        writeSong(u"%1.mp3"_s.arg(i, 4, 10, QChar(u'0')), "Song");
    progress.stopAt = 2;
    EXPECT_TRUE(list.listFolder(folder.path(), progress).stopped);
    EXPECT_EQ(list.files().size(), 2u);
    progress.stopAt.reset();
    list.listFolder(folder.path(), progress);
    ASSERT_EQ(list.files().size(), 1001u);
    EXPECT_EQ(list.files().back().shownName(), u"1000.mp3"_s);

    ASSERT_TRUE(WriteID3TagFields(folder.path(u"0000.mp3"_s), u"Group"_s, u"New"_s, {}, {}, {}, 0));
    IllegalCharList illegalChars;
    FillIllegalChars(illegalChars);
    list.setNaming({2, std::nullopt}, illegalChars); // "Song Title - Artist"
    EXPECT_EQ(list.files()[0].newName, u"Song - Band.mp3"_s);
    list.listAgain(progress);
    EXPECT_EQ(list.files()[0].newName, u"New - Group.mp3"_s);

    // With ID3v2 tags read, a file's tag comes before its block, whatever was read ahead.
    const QString longTitle = u"A Title Longer Than Thirty Characters"_s;
    const QString failure = tagWithMutagen(folder.path(u"0001.mp3"_s), {longTitle, u"Group"_s, {}, {}, {}}, {});
    if (!failure.isEmpty())
        GTEST_SKIP() << failure.toStdString();
    list.listAgain(progress);
    EXPECT_EQ(list.files()[1].newName, longTitle.left(30) + u" - Group.mp3"_s);
    list.setReadsID3v2(true);
    list.listAgain(progress);
    EXPECT_EQ(list.files()[1].newName, longTitle + u" - Group.mp3"_s);
    EXPECT_EQ(list.files()[2].newName, u"Song - Band.mp3"_s);
}
