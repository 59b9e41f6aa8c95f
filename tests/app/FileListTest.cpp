#include "support/AppHarness.h"
#include "support/TempFolder.h"

#include <QComboBox>
#include <QFile>

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

    AppHarness app(home.path());
    EXPECT_EQ(presentNames(app), (QStringList {u"b.mp3"_s, u"Song.MP3"_s}));
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
