#include "naming/InterruptedRename.h"
#include "naming/ProgramState.h"
#include "naming/RenameRun.h"
#include "naming/UndoLastRename.h"
#include "support/IndependentTaggers.h"
#include "support/ScriptedProgress.h"
#include "support/ScriptedRenameWindow.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <functional>
#include <memory>
#include <sys/wait.h>
#include <unistd.h>

using namespace Qt::StringLiterals;

void PrintTo(const RenameForecast &forecast, std::ostream *out)
{
    *out << "warning " << int(forecast.warning) << " held by '" << forecast.heldBy.toStdString() << "'";
}

namespace {

using enum MessageAnswer;
using enum RenameWarning;

struct Song
{
    QString name;
    QByteArray title; // by "Band"
    QString planned; // the name it is to have after the run
};

// Names the grid plans for songs by "Band", and one it plans for none.
const QString kA = u"a.mp3"_s, kB = u"Band - B.mp3"_s, kC = u"Band - C.mp3"_s, kD = u"Band - D.mp3"_s,
              kX = u"Band - X.mp3"_s;
const std::vector<Song> kSwap = {{kB, "C", kC}, {kC, "B", kB}};
const std::vector<Song> kOneRename = {{kA, "X", kX}};

// A folder of songs, each holding its name at the start of its contents, listed as the
// program lists a folder, with the journal kept elsewhere.
class PlannedFolder
{
public:
    explicit PlannedFolder(const std::vector<Song> &songs, const QStringList &folders = {})
    {
        state.RenameJournalPath = m_state.path(u"last-rename.journal"_s);
        for (const Song &song : songs) {
            files.write(song.name, song.name.toUtf8() + ';' + taggedAudio(song.title, "Band"));
            oldNames.append(song.name);
            plannedNames.append(song.planned);
        }
        for (const QString &folder : folders)
            files.makeFolder(folder);
        relist();
    }

    void relist() { state.ListedFiles.listFolder(files.path(), progress); }
    void run(std::deque<MessageAnswer> answers, const RenameCalls &calls = RenameCalls::kernel())
    {
        window.answers = std::move(answers);
        RenameRun(state, window, calls).RenameAllFiles(progress);
    }
    void undo()
    {
        const bool anything = !readRenameJournal(state.RenameJournalPath).entries.empty();
        window.answers = anything ? std::deque {Yes, Ok} : std::deque {Ok};
        UndoLastRename(state.RenameJournalPath, window);
    }
    // The name each song has now, in the order given; empty for one that is nowhere.
    QStringList namesNow() const
    {
        QStringList names;
        for (const QString &old : oldNames) {
            QString found;
            for (const QString &name : files.fileNames())
                if (files.read(name).startsWith(old.toUtf8() + ';'))
                    found = name;
            names.append(found);
        }
        return names;
    }

    TempFolder files;
    ProgramState state;
    ScriptedRenameWindow window;
    ScriptedProgress progress;
    // The songs' names before the run and the ones planned, in the order given.
    QStringList oldNames;
    QStringList plannedNames;

private:
    TempFolder m_state;
};

} // namespace

// Each plan, forecast over the listed entries, is what the run does: the files that keep
// their names are the ones the completion box counts, and undo gives every old name back.
TEST(RenamePlan, TheRunDoesWhatTheGridForecasts)
{
    const RenameForecast renamed;
    const struct
    {
        const char *what;
        std::vector<Song> songs; // in the order they are listed
        QStringList folders; // entries that stay
        std::vector<RenameForecast> forecasts;
    } cases[] = {
        {"a chain: the holder of a name moves on first", {{kB, "C", kC}, {kC, "D", kD}}, {}, {renamed, renamed}},
        {"a swap", kSwap, {}, {renamed, renamed}},
        {"a cycle of three", {{kB, "C", kC}, {kC, "D", kD}, {kD, "B", kB}}, {}, {renamed, renamed, renamed}},
        {"a name taken by an entry that stays", {{kA, "X", kA}}, {kX}, {{NameTaken, kX}}},
        {"a name taken but for case", {{kA, "X", kA}}, {u"BAND - x.mp3"_s}, {{NameCaseClash, u"BAND - x.mp3"_s}}},
        {"a Latin-1 name taken but for case", {{kA, "\xe4rger", kA}}, {u"BAND - \u00c4RGER.mp3"_s},
            {{NameCaseClash, u"BAND - \u00c4RGER.mp3"_s}}},
        {"its own name in another case", {{u"band - x.mp3"_s, "X", kX}}, {}, {renamed}},
        {"a shared name goes to the first", {{kA, "X", kX}, {u"b.mp3"_s, "X", u"b.mp3"_s}}, {},
            {renamed, {NameTaken, kX}}},
        {"a chain onto a name that stays", {{kB, "C", kB}, {kC, "C", kC}}, {}, {{NameTaken, kC}, {Unchanged, {}}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.what);
        PlannedFolder folder(c.songs, c.folders);
        const std::vector<RenameForecast> forecasts = folder.state.ListedFiles.plannedRenames();
        EXPECT_EQ(forecasts, c.forecasts);
        folder.run({Yes, No});
        EXPECT_EQ(folder.namesNow(), folder.plannedNames);
        const NamesKept kept = namesKeptBy(forecasts);
        const int keeping = kept.inUse + kept.tooLong;
        EXPECT_EQ(folder.window.lastText().contains(u"\n%1 file(s) could not be renamed."_s.arg(keeping)), keeping > 0)
            << folder.window.lastText().toStdString();
        folder.undo();
        EXPECT_EQ(folder.namesNow(), folder.oldNames);
    }
}

// A name is measured in the bytes the file system stores: 130 Greek letters are 260 of them.
TEST(RenamePlan, ANameLongerThanTheFolderTakesIsNotTried)
{
    PlannedFolder folder({});
    const QString path = folder.files.write(u"long.mp3"_s, "long.mp3;");
    const QString title = QString(130, QChar(u'λ'));
    if (const QString why = tagWithMutagen(path, {title, u"Band"_s, {}, {}, {}}, {4, 3, false}); !why.isEmpty())
        GTEST_SKIP() << why.toStdString();
    folder.state.ListedFiles.setReadsID3v2(true);
    folder.relist();
    const std::vector<RenameForecast> forecasts = folder.state.ListedFiles.plannedRenames();
    EXPECT_EQ(forecasts, (std::vector<RenameForecast> {{NameTooLong, {}}}));
    folder.window.namesKeptForecast = namesKeptBy(forecasts);
    folder.run({Yes, No});
    EXPECT_TRUE(folder.window.texts.value(0).startsWith(
        u"1 file(s) would keep their names because the new name is too long for this volume.\nAre you sure"_s))
        << folder.window.texts.value(0).toStdString();
    EXPECT_TRUE(folder.window.lastText().contains(u"\n1 file(s) could not be renamed."_s));
    EXPECT_EQ(folder.files.fileNames(), (QStringList {u"long.mp3"_s}));
}

namespace {

// The kernel's calls, except that the program is killed at call number killAt; on a volume
// like FAT through FUSE there is neither a rename that refuses to replace nor a hard link,
// so a new name is claimed with a placeholder first.
RenameCalls killingAt(int killAt, bool likeFat)
{
    const auto calls = std::make_shared<int>(0);
    const auto counted = [calls, killAt](auto call) {
        return [calls, killAt, call](auto... args) {
            if ((*calls)++ == killAt)
                std::raise(SIGKILL);
            return call(args...);
        };
    };
    using TwoPaths = std::function<int(const char *, const char *)>;
    const auto unsupported = [](int error) -> TwoPaths {
        return [error](const char *, const char *) {
            errno = error;
            return -1;
        };
    };
    const RenameCalls &kernel = RenameCalls::kernel();
    return {
        counted(likeFat ? unsupported(EINVAL) : kernel.renameNoReplace),
        counted(likeFat ? unsupported(EPERM) : kernel.link),
        counted(kernel.unlink),
        counted(kernel.createExclusive),
        kernel.lstat,
        counted(kernel.rename),
    };
}

} // namespace

// Killed at every call of a case-only change, a swap and a rename that claims its name,
// then started again: each file is under its old or its planned name, nothing else is left
// in the folder, and undo gives every old name back.
TEST(RenamePlan, AKilledRunIsPutRightAtTheNextStartAndUndone)
{
    const struct
    {
        const char *what;
        std::vector<Song> songs;
        bool likeFat;
    } cases[] = {
        {"a change of case only", {{u"band - x.mp3"_s, "X", kX}}, false},
        {"a swap", kSwap, false},
        {"a claimed name", kOneRename, true},
        {"a swap of claimed names", kSwap, true},
    };
    for (const auto &c : cases) {
        bool killed = true;
        for (int killAt = 0; killed; ++killAt) {
            SCOPED_TRACE(std::string(c.what) + ", killed at call " + std::to_string(killAt));
            PlannedFolder folder(c.songs);
            const pid_t child = fork();
            if (child == 0) {
                folder.run({Yes, No}, killingAt(killAt, c.likeFat));
                _exit(0);
            }
            int status = 0;
            ASSERT_EQ(waitpid(child, &status, 0), child);
            killed = WIFSIGNALED(status);

            FinishInterruptedRename(folder.state.RenameJournalPath);
            QStringList names = folder.namesNow();
            for (qsizetype i = 0; i < names.size(); ++i)
                EXPECT_TRUE(names[i] == folder.oldNames[i] || names[i] == folder.plannedNames[i])
                    << names[i].toStdString();
            names.sort();
            EXPECT_EQ(folder.files.fileNames(), names);
            folder.undo();
            EXPECT_EQ(folder.namesNow(), folder.oldNames);
        }
    }
}

// Undo renames nothing but the run's own file, in the run's own folder: not a file that took
// its name, not a folder put where the folder was, nor what a journal names through a link,
// through "..", or as a folder.
TEST(RenamePlan, UndoLeavesAloneWhatIsNoLongerTheFileTheRunRenamed)
{
    using Change = std::function<void(PlannedFolder &, const TempFolder &elsewhere)>;
    // The journal's one entry, changed.
    const auto rewritten = [](const std::function<void(JournalEntry &, PlannedFolder &)> &change) {
        return [change](PlannedFolder &folder, const TempFolder &) {
            JournalContents journal = readRenameJournal(folder.state.RenameJournalPath);
            change(journal.entries.front(), folder);
            replaceRenameJournal(folder.state.RenameJournalPath, journal.made, journal.entries);
        };
    };
    const std::pair<const char *, Change> cases[] = {
        {"a stranger under the new name",
            [](PlannedFolder &folder, const TempFolder &elsewhere) {
                QFile::rename(folder.files.path(kX), elsewhere.path(u"kept.mp3"_s));
                folder.files.write(kX, "stranger");
            }},
        {"another folder where the folder was",
            [](PlannedFolder &folder, const TempFolder &elsewhere) {
                QDir().rename(folder.files.path(), elsewhere.path(u"moved"_s));
                folder.files.write(kX, "stranger");
            }},
        {"the folder through a link", rewritten([](JournalEntry &entry, PlannedFolder &folder) {
             QFile::link(folder.files.path(), folder.files.path(u"link"_s));
             entry.folder = folder.files.path(u"link/"_s);
         })},
        {"the folder through ..", rewritten([](JournalEntry &entry, PlannedFolder &folder) {
             folder.files.makeFolder(u"sub"_s);
             entry.folder = folder.files.path(u"sub/../"_s);
         })},
        {"a folder under the new name", rewritten([](JournalEntry &entry, PlannedFolder &folder) {
             folder.files.makeFolder(u"a folder.mp3"_s);
             entry.newName = u"a folder.mp3"_s;
         })},
    };
    for (const auto &[what, change] : cases) {
        SCOPED_TRACE(what);
        const TempFolder elsewhere;
        PlannedFolder folder(kOneRename);
        folder.run({Yes, No});
        change(folder, elsewhere);
        const QStringList before = folder.files.fileNames();
        folder.undo();
        EXPECT_EQ(folder.files.fileNames(), before);
        EXPECT_TRUE(
            folder.window.lastText().endsWith(u"were left alone: they are no longer the files that were renamed."_s))
            << folder.window.lastText().toStdString();
    }
}

// The confirmation names the folder and the run, and a No leaves the run to undo later. A
// tag saved into a copy that took the renamed file's place is still the run's file, once the
// journal knows the copy. A run that renamed nothing leaves nothing to undo, and says so.
TEST(RenamePlan, UndoSaysWhatItWillDoAndFollowsAFileATagSaveReplaced)
{
    PlannedFolder folder(kOneRename);
    folder.run({Yes, No});
    folder.window.answers = {No};
    UndoLastRename(folder.state.RenameJournalPath, folder.window);
    EXPECT_TRUE(
        folder.window.lastText().startsWith(u"This will give 1 file(s) in \"%1\" back the names they had before "
                                            "the rename run of "_s.arg(folder.files.path())))
        << folder.window.lastText().toStdString();

    const QString renamed = folder.files.path(kX);
    const std::optional<FileIdentity> was = identityOf(renamed);
    const QString copy = folder.files.write(u".copy"_s, folder.files.read(kX));
    ASSERT_EQ(::rename(QFile::encodeName(copy).constData(), QFile::encodeName(renamed).constData()), 0);
    ASSERT_TRUE(was && recordReplacedFile(folder.state.RenameJournalPath, *was, *identityOf(renamed)));
    folder.undo();
    EXPECT_EQ(folder.namesNow(), folder.oldNames);

    RenameJournalWriter nothingRenamed(folder.state.RenameJournalPath, QDateTime::currentDateTimeUtc());
    nothingRenamed.record({folder.files.path(), kA, u"b.mp3"_s, {}, {}});
    nothingRenamed.recordFailed({folder.files.path(), kA, u"b.mp3"_s, {}, {}});
    ASSERT_TRUE(nothingRenamed.finish());
    folder.undo();
    EXPECT_EQ(folder.window.lastText(), u"The last rename run renamed no files: there is nothing to undo."_s);
}
