#include "app/ProgramArguments.h"
#include "support/AppHarness.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QLabel>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

// Every argument names a file in the first one's folder; what is no readable, visible MP3
// file is left out of the grid and of the rename run, and the rest are listed bottom up.
TEST(StartUp, WithFileArgumentsListsThemInReverseOrder)
{
    TempFolder folder;
    const QString unreadable = folder.linkToUnreadableFile(u"unreadable.mp3"_s);
    if (unreadable.isEmpty())
        GTEST_SKIP() << "no sysfs here";
    folder.write(u"unlisted.mp3"_s, taggedAudio("Five", "Band"));
    AppHarness app(QString(),
        {folder.write(u"a.mp3"_s, taggedAudio("One", "Band")),
            folder.write(u"with space.mp3"_s, taggedAudio("Two", "Band")), folder.path(u"missing.mp3"_s),
            folder.makeFolder(u"sub.mp3"_s), folder.write(u".hidden.mp3"_s, taggedAudio("Four", "Band")), unreadable,
            QString(), folder.write(u"c.mp3"_s, taggedAudio("Three", "Band"))});
    EXPECT_EQ(app.column(0), (QStringList {u"c.mp3"_s, u"with space.mp3"_s, u"a.mp3"_s}));
    EXPECT_EQ(app.column(1), (QStringList {u"Band - Three.mp3"_s, u"Band - Two.mp3"_s, u"Band - One.mp3"_s}));
    EXPECT_EQ(
        app.state().ArgumentFiles, (QStringList {u"a.mp3"_s, u"with space.mp3"_s, {}, {}, {}, {}, {}, u"c.mp3"_s}));
    EXPECT_EQ(app.control<QLabel>(u"SBarPanel1").text(), u"3 files listed."_s);
    EXPECT_EQ(app.control<QLabel>(u"lblCurrDirectory").text(), folder.path());
}

TEST(StartUp, FolderOfTheFirstArgumentDecidesTheCurrentDirectory)
{
    TempFolder folder;
    folder.write(u"a.mp3"_s, taggedAudio("One", "Band"));
    const auto restore = qScopeGuard([previous = QDir::currentPath()] { QDir::setCurrent(previous); });
    QDir::setCurrent(folder.path());
    const std::pair<QString, QString> cases[] = {
        {u"a.mp3"_s, folder.path()}, // the working directory
        {u"./x/../a.mp3"_s, u"/"_s}, // x does not exist
        {folder.path(u"./a.mp3"_s), folder.path()}, // cleaned
        {u"/a.mp3"_s, u"/"_s}, {folder.path(u"gone/a.mp3"_s), u"/"_s}, // a folder that does not exist
    };
    for (const auto &[firstArgument, currentDirectory] : cases)
        EXPECT_EQ(AppHarness(QString(), {firstArgument}).state().CurrentDirectory, currentDirectory)
            << firstArgument.toStdString();
}

// "--help", "-h" and "--version" are answered when alone; the first "--" is dropped, and every
// other argument is a file.
TEST(CommandLine, AnswersHelpOrVersionAloneAndTakesEveryOtherArgumentAsAFile)
{
    const std::tuple<std::vector<const char *>, QString, QStringList> cases[] = {
        {{"sorvane", "--version"}, u"Sorvane 2.3"_s, {}},
        {{"sorvane", "--help"}, u"Usage: sorvane [FILE]..."_s, {}},
        {{"sorvane", "-h"}, u"Usage: sorvane [FILE]..."_s, {}},
        {{"sorvane"}, {}, {}},
        {{"sorvane", "--", "--help"}, {}, {u"--help"_s}},
        {{"sorvane", "a.mp3", "--", "--", "-h"}, {}, {u"a.mp3"_s, u"--"_s, u"-h"_s}},
        {{"sorvane", "--help", "a.mp3"}, {}, {u"--help"_s, u"a.mp3"_s}},
        {{"sorvane", "--Version"}, {}, {u"--Version"_s}},
    };
    for (const auto &[argv, firstLinePrinted, files] : cases) {
        SCOPED_TRACE(testing::PrintToString(argv));
        const std::optional<QString> printed = HelpOrVersionText(int(argv.size()), argv.data());
        EXPECT_EQ(printed.value_or(QString()).section(u'\n', 0, 0), firstLinePrinted);
        EXPECT_EQ(printed ? QStringList() : ProgramArguments(int(argv.size()), argv.data()), files);
    }
}
