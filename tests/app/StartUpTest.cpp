#include "app/ProgramArguments.h"
#include "support/AppHarness.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QScopeGuard>

using namespace Qt::StringLiterals;

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
