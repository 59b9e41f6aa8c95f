#include "app/ProgramArguments.h"
#include "support/AppHarness.h"
#include "support/TempFolder.h"

#include <QComboBox>
#include <QFile>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

namespace {

void selectConvention(AppHarness &app, int index)
{
    auto &choices = app.control<QComboBox>(u"cboNameChoices");
    choices.setCurrentIndex(index);
    Q_EMIT choices.activated(index);
}

QStringList presentNames(AppHarness &app)
{
    QStringList names;
    for (const auto &row : app.rows())
        names.append(row.first);
    return names;
}

} // namespace

TEST(FileList, ListsOnlyOrdinaryMP3FilesWithoutHanging)
{
    TempFolder home;
    home.write(u"Song.MP3"_s, taggedAudio("a", "b"));
    home.write(u"b.mp3"_s, taggedAudio("a", "b"));
    home.write(u".hidden.mp3"_s, taggedAudio("a", "b"));
    home.write(u"c.mp3.bak"_s, taggedAudio("a", "b"));
    home.write(u"d.mp2"_s, taggedAudio("a", "b"));
    home.makeFolder(u"x.mp3"_s);
    home.makeFifo(u"y.mp3"_s);
    ::symlink("nowhere", QFile::encodeName(home.path(u"dangling.mp3"_s)).constData());
    home.write(u"_u.mp3"_s, taggedAudio("a", "b"));
    home.write(u"[v].mp3"_s, taggedAudio("a", "b"));

    // Case is ignored by folding to upper case, which puts "[" and "_" after the letters.
    AppHarness app(home.path());
    EXPECT_EQ(presentNames(app), (QStringList {u"b.mp3"_s, u"Song.MP3"_s, u"[v].mp3"_s, u"_u.mp3"_s}));
}

// A name whose bytes do not decode whole (Latin-1 in a UTF-8 locale) cannot be opened by its
// decoded text, which here names another file: it is neither listed nor taken for that file.
TEST(FileList, LeavesOutANameThatDoesNotDecode)
{
    TempFolder home;
    const QByteArray latin1Name = QFile::encodeName(home.path()) + "caf\xe9.mp3";
    const QByteArray replacementName = QFile::encodeName(home.path()) + "caf\xef\xbf\xbd.mp3";
    for (const QByteArray &name : {latin1Name, replacementName}) {
        ASSERT_TRUE(::close(::creat(name.constData(), 0644)) == 0);
    }
    home.write(u"other.mp3"_s, taggedAudio("Song", "Band"));

    AppHarness folderMode(home.path());
    EXPECT_EQ(presentNames(folderMode), (QStringList {u"caf\uFFFD.mp3"_s, u"other.mp3"_s}));

    const char *const argv[] = {"sorvane", latin1Name.constData()};
    AppHarness argumentMode(QString(), ProgramArguments(2, argv));
    EXPECT_EQ(argumentMode.rowCount(), 0);
    EXPECT_EQ(argumentMode.state().ArgumentFiles, QStringList {QString()});
}

TEST(FileList, ListsAThousandFilesButNotOneMore)
{
    TempFolder home;
    for (int i = 0; i < ProgramState::MaxListedFiles; ++i)
        home.write(u"%1.mp3"_s.arg(i, 4, 10, QChar(u'0')), QByteArray());
    {
        AppHarness app(home.path());
        EXPECT_EQ(app.rowCount(), 1000);
        EXPECT_EQ(app.state().FileNames.size(), 1000);
        EXPECT_EQ(app.statusText(), u"1000 files listed."_s);
    }
    home.write(u"1000.mp3"_s, QByteArray());
    AppHarness app(home.path());
    EXPECT_EQ(app.rowCount(), 0);
    EXPECT_EQ(app.state().FileCount, 0);
    EXPECT_TRUE(app.state().FileNames.isEmpty());
    EXPECT_EQ(app.statusText(), u"More than 1000 MP3 files in this directory; none listed."_s);
}

TEST(FileList, SkipsAFileThatCannotBeReadAndListsTheRest)
{
    TempFolder home;
    home.write(u"a.mp3"_s, taggedAudio("One", "Band"));
    if (home.linkToUnreadableFile(u"b.mp3"_s).isEmpty())
        GTEST_SKIP() << "no sysfs here";
    home.write(u"c.mp3"_s, taggedAudio("Three", "Band"));

    AppHarness folderMode(home.path());
    EXPECT_EQ(presentNames(folderMode), (QStringList {u"a.mp3"_s, u"c.mp3"_s}));
    EXPECT_EQ(folderMode.state().FileNames, (QStringList {u"a.mp3"_s, u"c.mp3"_s}));
    EXPECT_EQ(folderMode.statusText(), u"2 files listed."_s);

    AppHarness argumentMode(QString(), {home.path(u"a.mp3"_s), home.path(u"b.mp3"_s), home.path(u"c.mp3"_s)});
    EXPECT_EQ(presentNames(argumentMode), (QStringList {u"c.mp3"_s, u"a.mp3"_s}));
    EXPECT_EQ(argumentMode.state().ArgumentFiles, (QStringList {u"a.mp3"_s, QString(), u"c.mp3"_s}));
    EXPECT_EQ(argumentMode.statusText(), u"2 files listed."_s);
}

TEST(FileList, ConventionChangeRebuildsEveryProposedName)
{
    TempFolder folder;
    folder.write(u"a.mp3"_s, taggedAudio("One", "Band", {}, "1990"));
    folder.write(u"b.mp3"_s, taggedAudio("Two", "Group"));
    const GridRows underYearFirst = {{u"a.mp3"_s, u"1990 - Band - One.mp3"_s}, {u"b.mp3"_s, u"Group - Two.mp3"_s}};

    AppHarness folderMode(folder.path());
    selectConvention(folderMode, 6);
    EXPECT_EQ(folderMode.rows(), underYearFirst);
    EXPECT_EQ(folderMode.statusText(), u"2 files listed."_s);

    AppHarness argumentMode(QString(), {folder.path(u"b.mp3"_s), folder.path(u"a.mp3"_s)});
    selectConvention(argumentMode, 2);
    EXPECT_EQ(argumentMode.rows(), (GridRows {{u"a.mp3"_s, u"One - Band.mp3"_s}, {u"b.mp3"_s, u"Two - Group.mp3"_s}}));
    EXPECT_EQ(argumentMode.state().FileCount, 2);
}
