#include "app/ProgramArguments.h"
#include "support/AppHarness.h"
#include "support/FileOpens.h"
#include "support/SettingsStore.h"
#include "support/TempFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QKeyEvent>
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
// and the rest are listed bottom up. Start-up lists the folder once.
TEST(FileGrid, ListsTheReadableMP3FilesOfTheFolderOrOfTheArguments)
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

    FileOpens opens(home.path(u"b song.mp3"_s));
    AppHarness app(home.path());
    EXPECT_EQ(
        app.column(0), (QStringList {u"b song.mp3"_s, u"caf\uFFFD.mp3"_s, u"Song.MP3"_s, u"[v].mp3"_s, u"_u.mp3"_s}));
    // Start-up lists the folder once: it reads a file as often as one more listing does.
    const int opensAtStart = opens.sinceLastCount();
    app.action(u"mnuitmSelectDirRefresh").trigger();
    EXPECT_GT(opensAtStart, 0);
    EXPECT_EQ(opens.sinceLastCount(), opensAtStart);
    EXPECT_EQ(app.column(1).front(), u"Pink Floyd - Money.mp3"_s);
    EXPECT_EQ(app.control<QLabel>(u"SBarPanel1").text(), u"5 files listed."_s);

    const char *const argv[] = {"sorvane", latin1Name.constData()};
    AppHarness withArguments(QString(),
        {home.path(u"b song.mp3"_s), home.path(u"missing.mp3"_s), home.path(u"x.mp3"_s), home.path(u".hidden.mp3"_s),
            unreadable, QString(), ProgramArguments(2, argv).front(), home.path(u"_u.mp3"_s)});
    EXPECT_EQ(withArguments.column(0), (QStringList {u"_u.mp3"_s, u"b song.mp3"_s}));
    EXPECT_EQ(withArguments.column(1), (QStringList {u"Pink Floyd - Time.mp3"_s, u"Pink Floyd - Money.mp3"_s}));
    EXPECT_EQ(withArguments.control<QLabel>(u"SBarPanel1").text(), u"2 files listed."_s);
    EXPECT_EQ(withArguments.control<QLabel>(u"lblCurrDirectory").text(), home.path());
}

// Files named from two folders are listed, and renamed, each in its own folder: a file of
// the same name in the first folder is never touched. After "rename more" the grid lists the
// first file's folder, and the next run renames what it lists.
TEST(FileGrid, NamedFilesFromTwoFoldersAreRenamedEachInItsOwnFolder)
{
    TempFolder home;
    home.write(u"album1/02.mp3"_s, taggedAudio("Stranger", "Band"));
    const QStringList named = {home.write(u"album1/01.mp3"_s, taggedAudio("One", "Band")),
        home.write(u"album2/02.mp3"_s, taggedAudio("Two", "Band")),
        home.write(u"album2/03.mp3"_s, taggedAudio("Three", "Band"))};
    AppHarness app(QString(), named);
    EXPECT_EQ(app.column(0), (QStringList {u"03.mp3"_s, u"02.mp3"_s, u"01.mp3"_s}));
    EXPECT_EQ(app.column(1), (QStringList {u"Band - Three.mp3"_s, u"Band - Two.mp3"_s, u"Band - One.mp3"_s}));

    app.script().answers = {MessageAnswer::Yes, MessageAnswer::Yes};
    app.action(u"mnuitmToolsRename").trigger();
    EXPECT_EQ(QDir(home.path(u"album1"_s)).entryList(QDir::Files, QDir::Name),
        (QStringList {u"02.mp3"_s, u"Band - One.mp3"_s}));
    EXPECT_EQ(QDir(home.path(u"album2"_s)).entryList(QDir::Files, QDir::Name),
        (QStringList {u"Band - Three.mp3"_s, u"Band - Two.mp3"_s}));
    EXPECT_EQ(app.column(0), (QStringList {u"02.mp3"_s, u"Band - One.mp3"_s}));

    app.script().answers = {MessageAnswer::Yes, MessageAnswer::No};
    app.action(u"mnuitmToolsRename").trigger();
    EXPECT_EQ(QDir(home.path(u"album1"_s)).entryList(QDir::Files, QDir::Name),
        (QStringList {u"Band - One.mp3"_s, u"Band - Stranger.mp3"_s}));
}

// "Include Subfolders" lists the folder with every folder below it, each file shown by its
// path below the folder, and is remembered for the next start.
TEST(FileGrid, IncludeSubfoldersListsTheTreeAndIsRemembered)
{
    const SettingsStore store;
    TempFolder home;
    home.write(u"top.mp3"_s, taggedAudio("Top", "Band"));
    home.write(u"Album/01 Song.mp3"_s, taggedAudio("Song", "Band"));
    {
        AppHarness app(home.path(), {}, AppHarness::Settings::InUse);
        EXPECT_EQ(app.column(0), QStringList {u"top.mp3"_s});
        app.action(u"mnuitmToolsIncludeSubfolders").trigger();
        EXPECT_EQ(app.column(0), (QStringList {u"top.mp3"_s, u"Album/01 Song.mp3"_s}));
        EXPECT_EQ(app.control<QLabel>(u"SBarPanel1").text(), u"2 files listed in 2 folders."_s);
    }
    EXPECT_EQ(store.value(u"IncludeSubfolders"_s), u"true"_s);
    AppHarness app(home.path(), {}, AppHarness::Settings::InUse);
    EXPECT_TRUE(app.action(u"mnuitmToolsIncludeSubfolders").isChecked());
    EXPECT_EQ(app.column(0).size(), 2);
}

// Esc stops a listing, which keeps what it read, and a rename run, which keeps what it renamed.
TEST(FileGrid, EscStopsAListingAndARenameRun)
{
    TempFolder home;
    for (int i = 0; i < 400; ++i)
        home.write(u"%1.mp3"_s.arg(i, 3, 10, QChar(u'0')), taggedAudio("Song " + QByteArray::number(i), "Band"));
    AppHarness app(home.path());
    const auto pressEscape = [&] {
        QCoreApplication::postEvent(&app.grid(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
    };
    pressEscape();
    app.action(u"mnuitmToolsRefresh").trigger();
    EXPECT_EQ(app.control<QLabel>(u"SBarPanel1").text(), u"Listing stopped: 0 of 400 files listed."_s);

    app.action(u"mnuitmToolsRefresh").trigger();
    ASSERT_EQ(app.column(0).size(), 400);
    app.script().answers = {MessageAnswer::Yes, MessageAnswer::No};
    pressEscape();
    app.action(u"mnuitmToolsRename").trigger();
    EXPECT_TRUE(app.script().messages.back().text.startsWith(u"The run was stopped: 0 of 400 files were renamed.\n"_s))
        << app.script().messages.back().text.toStdString();
    EXPECT_EQ(home.fileNames().size(), 400);
    EXPECT_EQ(home.fileNames().front(), u"000.mp3"_s);
}
