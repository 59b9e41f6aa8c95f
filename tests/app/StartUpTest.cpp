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

// "--help", "-h" and "--version" are answered when alone; an argument before the first "--"
// that looks like an option but is none is refused unless a file has its name; the first
// "--" is dropped, and every other argument is a file.
TEST(CommandLine, AnswersHelpOrVersionAloneRefusesUnknownOptionsAndTakesEveryOtherArgumentAsAFile)
{
    TempFolder folder;
    folder.write(u"-x.mp3"_s, taggedAudio("One", "Band"));
    const auto restore = qScopeGuard([previous = QDir::currentPath()] { QDir::setCurrent(previous); });
    QDir::setCurrent(folder.path());
    const QString refused = u"sorvane: unknown option '%1'\nUsage: sorvane [FILE]...\n"_s;
    const std::tuple<std::vector<const char *>, QString, int, QStringList> cases[] = {
        {{"sorvane", "--help"}, u"Usage: sorvane [FILE]..."_s, 0, {}},
        {{"sorvane", "-h"}, u"Usage: sorvane [FILE]..."_s, 0, {}},
        {{"sorvane"}, {}, 0, {}},
        {{"sorvane", "--", "--help"}, {}, 0, {u"--help"_s}},
        {{"sorvane", "a.mp3", "--", "--", "-h"}, {}, 0, {u"a.mp3"_s, u"--"_s, u"-h"_s}},
        {{"sorvane", "--help", "a.mp3"}, {}, 0, {u"--help"_s, u"a.mp3"_s}},
        {{"sorvane", "--bogus"}, refused.arg(u"--bogus"_s), 2, {}},
        {{"sorvane", "a.mp3", "--Version"}, refused.arg(u"--Version"_s), 2, {}},
        {{"sorvane", "-"}, refused.arg(u"-"_s), 2, {}},
        {{"sorvane", "-\xe9.mp3"}, refused.arg(QFile::decodeName("-\xe9.mp3")), 2, {}},
        {{"sorvane", "--", "-y.mp3"}, {}, 0, {u"-y.mp3"_s}},
        {{"sorvane", "-x.mp3"}, {}, 0, {u"-x.mp3"_s}}, // it exists
    };
    for (const auto &[argv, printed, exitStatus, files] : cases) {
        SCOPED_TRACE(testing::PrintToString(argv));
        const std::optional<AnswerWithoutWindow> answer = AnswerCommandLine(int(argv.size()), argv.data());
        const QString text = answer.value_or(AnswerWithoutWindow()).text;
        EXPECT_EQ(exitStatus == 0 ? text.left(printed.size()) : text, printed);
        EXPECT_EQ(answer.value_or(AnswerWithoutWindow()).exitStatus, exitStatus);
        EXPECT_EQ(answer ? QStringList() : ProgramArguments(int(argv.size()), argv.data()), files);
    }
}
