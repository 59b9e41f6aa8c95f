#include "app/ProgramArguments.h"
#include "support/AppHarness.h"
#include "support/TempFolder.h"

#include <QFile>
#include <QLabel>

#include <fcntl.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

// Ordinary, visible, readable files named *.mp3 in any case are listed, and nothing that
// could block the listing. Case is ignored by folding to upper case, which puts "[" and "_"
// after the letters. A name whose bytes do not decode whole (Latin-1 in a UTF-8 locale)
// cannot be opened by its decoded text, which here names another file: it is neither listed
// nor taken for that file. Files named as arguments are taken to lie in the first one's
// folder; what is no readable, visible file is left out of the grid and of the rename run,
// and the rest are listed bottom up.
TEST(FileList, ListsTheReadableMP3FilesOfTheFolderOrOfTheArguments)
{
    TempFolder home;
    const QString unreadable = home.linkToUnreadableFile(u"unreadable.mp3"_s);
    if (unreadable.isEmpty())
        GTEST_SKIP() << "no sysfs here";
    for (const QString &name :
        {u"Song.MP3"_s, u".hidden.mp3"_s, u"c.mp3.bak"_s, u"d.mp2"_s, u"_u.mp3"_s, u"[v].mp3"_s, u"caf\uFFFD.mp3"_s})
        home.write(name, taggedAudio("time", "pink floyd"));
    home.write(u"b song.mp3"_s, taggedAudio("money", "pink floyd"));
    const QByteArray latin1Name = QFile::encodeName(home.path()) + "caf\xe9.mp3";
    ASSERT_EQ(::close(::creat(latin1Name.constData(), 0644)), 0);
    home.makeFolder(u"x.mp3"_s);
    home.makeFifo(u"y.mp3"_s);
    home.makeDanglingLink(u"dangling.mp3"_s);

    AppHarness app(home.path());
    EXPECT_EQ(
        app.column(0), (QStringList {u"b song.mp3"_s, u"caf\uFFFD.mp3"_s, u"Song.MP3"_s, u"[v].mp3"_s, u"_u.mp3"_s}));
    EXPECT_EQ(app.column(1).front(), u"Pink Floyd - Money.mp3"_s);
    EXPECT_EQ(app.control<QLabel>(u"SBarPanel1").text(), u"5 files listed."_s);

    const char *const argv[] = {"sorvane", latin1Name.constData()};
    AppHarness withArguments(QString(),
        {home.path(u"b song.mp3"_s), home.path(u"missing.mp3"_s), home.path(u"x.mp3"_s), home.path(u".hidden.mp3"_s),
            unreadable, QString(), ProgramArguments(2, argv).front(), home.path(u"_u.mp3"_s)});
    EXPECT_EQ(withArguments.column(0), (QStringList {u"_u.mp3"_s, u"b song.mp3"_s}));
    EXPECT_EQ(withArguments.column(1), (QStringList {u"Pink Floyd - Time.mp3"_s, u"Pink Floyd - Money.mp3"_s}));
    EXPECT_EQ(
        withArguments.state().ArgumentFiles, (QStringList {u"b song.mp3"_s, {}, {}, {}, {}, {}, {}, u"_u.mp3"_s}));
    EXPECT_EQ(withArguments.control<QLabel>(u"SBarPanel1").text(), u"2 files listed."_s);
    EXPECT_EQ(withArguments.control<QLabel>(u"lblCurrDirectory").text(), home.path());
}

// Past the bound nothing is listed, so that a rename run renames nothing.
TEST(FileList, ListsAThousandFilesButNotOneMore)
{
    TempFolder home;
    for (int i = 0; i < ProgramState::MaxListedFiles; ++i)
        home.write(u"%1.mp3"_s.arg(i), QByteArray());
    EXPECT_EQ(AppHarness(home.path()).state().FileNames.size(), 1000);
    home.write(u"1000.mp3"_s, QByteArray());
    AppHarness app(home.path());
    EXPECT_EQ(app.column(0).size(), 0);
    EXPECT_EQ(app.control<QLabel>(u"SBarPanel1").text(), u"More than 1000 MP3 files in this directory; none listed."_s);
}
