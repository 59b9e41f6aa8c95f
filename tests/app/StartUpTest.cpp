#include "app/ProgramArguments.h"
#include "support/AppHarness.h"
#include "support/TempFolder.h"

#include <QDir>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {

// Keeps the working directory of a test that changes it.
class WorkingDirectory
{
public:
    explicit WorkingDirectory(const QString &path) { QDir::setCurrent(path); }
    ~WorkingDirectory() { QDir::setCurrent(m_previous); }

private:
    const QString m_previous = QDir::currentPath();
};

} // namespace

TEST(StartUp, WithoutArgumentsListsTheHomeFolder)
{
    TempFolder home;
    home.write(u"b song.mp3"_s, taggedAudio("time", "pink floyd"));
    home.write(u"A.MP3"_s, taggedAudio("Song", "Band"));
    home.write(u"notes.txt"_s, taggedAudio("x", "y"));

    AppHarness app(home.path());
    EXPECT_EQ(app.state().CommandLine, QString());
    EXPECT_EQ(app.state().CurrentDirectory, home.path());
    EXPECT_EQ(
        app.rows(), (GridRows {{u"A.MP3"_s, u"Band - Song.mp3"_s}, {u"b song.mp3"_s, u"Pink Floyd - Time.mp3"_s}}));
    EXPECT_EQ(app.state().FileCount, 2);
    EXPECT_EQ(app.state().FileNames, (QStringList {u"A.MP3"_s, u"b song.mp3"_s}));
    EXPECT_EQ(app.statusText(), u"2 files listed."_s);
    EXPECT_EQ(app.control<QLabel>(u"lblCurrDirectory").text(), home.path());
    EXPECT_EQ(app.window().windowTitle(), u"Sorvane v2.3"_s);
    EXPECT_TRUE(app.window().isVisible());
    EXPECT_EQ(app.state().CurrentFile.FileName(), QString()); // a listing leaves no file in hand
}

TEST(StartUp, WithFileArgumentsListsThemInReverseOrder)
{
    TempFolder folder;
    const QString a = folder.write(u"a.mp3"_s, taggedAudio("One", "Band"));
    const QString spaced = folder.write(u"with space.mp3"_s, taggedAudio("Two", "Band"));
    const QString c = folder.write(u"c.mp3"_s, taggedAudio("Three", "Band"));
    const QString hidden = folder.write(u".hidden.mp3"_s, taggedAudio("Four", "Band"));
    folder.write(u"unlisted.mp3"_s, taggedAudio("Five", "Band"));
    const QStringList arguments
        = {a, spaced, folder.path(u"missing.mp3"_s), folder.makeFolder(u"sub.mp3"_s), hidden, QString(), c};

    AppHarness app(QString(), arguments);
    EXPECT_EQ(app.state().CommandLine, arguments.join(u' '));
    EXPECT_EQ(app.state().CurrentDirectory, folder.path());
    EXPECT_EQ(app.state().StartInDirectory, folder.path());
    EXPECT_EQ(app.rows(),
        (GridRows {{u"c.mp3"_s, u"Band - Three.mp3"_s}, {u"with space.mp3"_s, u"Band - Two.mp3"_s},
            {u"a.mp3"_s, u"Band - One.mp3"_s}}));
    EXPECT_EQ(app.state().ArgumentFiles, (QStringList {u"a.mp3"_s, u"with space.mp3"_s, {}, {}, {}, {}, u"c.mp3"_s}));
    EXPECT_EQ(app.statusText(), u"3 files listed."_s);
    EXPECT_EQ(app.control<QLabel>(u"lblCurrDirectory").text(), folder.path());
}

TEST(StartUp, FolderOfTheFirstArgumentDecidesTheCurrentDirectory)
{
    TempFolder folder;
    folder.write(u"a.mp3"_s, taggedAudio("One", "Band"));
    const WorkingDirectory inFolder(folder.path());
    const struct
    {
        QString firstArgument;
        QString currentDirectory;
    } cases[] = {
        {u"a.mp3"_s, folder.path()}, // the working directory
        {u"./x/../a.mp3"_s, u"/"_s}, // x does not exist
        {folder.path(u"./a.mp3"_s), folder.path()}, // cleaned
        {u"/a.mp3"_s, u"/"_s}, {folder.path(u"gone/a.mp3"_s), u"/"_s}, // a folder that does not exist
    };
    for (const auto &c : cases) {
        AppHarness app(QString(), {c.firstArgument});
        EXPECT_EQ(app.state().CurrentDirectory, c.currentDirectory) << c.firstArgument.toStdString();
    }
}

// "--help", "-h" and "--version" are answered when alone; the first "--" is dropped, and every
// other argument is a file.
TEST(CommandLine, AnswersHelpOrVersionAloneAndTakesEveryOtherArgumentAsAFile)
{
    const struct
    {
        std::vector<const char *> argv;
        QString firstLinePrinted;
        QStringList files;
    } cases[] = {
        {{"sorvane", "--version"}, u"Sorvane 2.3"_s, {}},
        {{"sorvane", "--help"}, u"Usage: sorvane [FILE]..."_s, {}},
        {{"sorvane", "-h"}, u"Usage: sorvane [FILE]..."_s, {}},
        {{"sorvane"}, {}, {}},
        {{"sorvane", "--"}, {}, {}},
        {{"sorvane", "--", "--help"}, {}, {u"--help"_s}},
        {{"sorvane", "a.mp3", "--", "--", "-h"}, {}, {u"a.mp3"_s, u"--"_s, u"-h"_s}},
        {{"sorvane", "--help", "a.mp3"}, {}, {u"--help"_s, u"a.mp3"_s}},
        {{"sorvane", "--Version"}, {}, {u"--Version"_s}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::PrintToString(c.argv));
        const std::optional<QString> printed = HelpOrVersionText(int(c.argv.size()), c.argv.data());
        EXPECT_EQ(printed.value_or(QString()).section(u'\n', 0, 0), c.firstLinePrinted);
        if (!printed) {
            EXPECT_EQ(ProgramArguments(int(c.argv.size()), c.argv.data()), c.files);
        }
    }
}
