// Measures the program's hot paths over 1000 files, each beside a raw floor measured in the
// same run, then over folders of 10,000 and 100,000 files, the folder listing also with the
// files evicted from the caches, and the whole program's peak memory:  ./build.sh bench

#include "app/Translations.h"
#include "app/frmMain.h"
#include "app/frmSelectFiles.h"
#include "platform/DesktopServices.h"
#include "settings/Registry.h"
#include "track/ID3TagBlock.h"

#include <taglib/id3v2tag.h>
#include <taglib/mpegfile.h>
#include <taglib/tfilestream.h>

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QProcess>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

constexpr int kFiles = 1000;
constexpr int kRuns = 15;
// Each cold run first empties the caches, which slows every other program on the machine.
constexpr int kColdRuns = 7;
constexpr int kFloorThreads = 16;
constexpr int kManyFiles = 10'000;
// The largest folder gets fewer runs: each costs a hundred times as much, and the whole
// benchmark must stay within minutes on two cores.
constexpr int kMostFiles = 100'000;
constexpr int kMostRuns = 7;
constexpr int kMostColdRuns = 5;
constexpr int kMostUndoRuns = 3;

// The benchmark plays the person: it confirms every rename run and every undo and wants no
// more after them, and the program it would then end goes on.
class ConfirmingServices final : public DesktopServices
{
public:
    MessageAnswer showMessage(QWidget *, const Message &message) override
    {
        const bool confirms = message.title == u"Rename All Files?"_s || message.title == u"Undo Last Rename?"_s;
        return confirms ? MessageAnswer::Yes : MessageAnswer::No;
    }
    void openAddress(const QUrl &) override { }
    bool startDetached(const QString &, const QStringList &) override { return true; }
    QString chooseFolder(QWidget *, const QString &, const QString &) override { return {}; }
    void runModal(QDialog &) override { }
    void endProgram() override { }
};

QString fileName(int i)
{
    return u"track %1.mp3"_s.arg(i, 4, 10, QChar(u'0'));
}

// A folder of tagged files and their paths.
struct Corpus
{
    QString folder;
    QStringList paths;
};

// Writes file number i of corpus.
void addFile(Corpus &corpus, int i, const QByteArray &bytes)
{
    QFile file(corpus.folder + u'/' + fileName(i));
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write the corpus");
    corpus.paths.append(file.fileName());
}

// count small files with distinct tags: some with Latin-1 letters, some with empty fields
// and, unless every tag must be complete, some without a tag at all.
Corpus writeCorpus(const QString &folder, int count, bool completeTags)
{
    Corpus corpus {folder, {}};
    for (int i = 0; i < count; ++i) {
        QByteArray bytes(4096, char(0x55));
        if (completeTags || i % 10 != 0) {
            ID3TagBlock block;
            block.setArtist(!completeTags && i % 7 == 0 ? u"Motörhead %1"_s.arg(i) : u"artist %1"_s.arg(i));
            block.setTitle(u"title number %1"_s.arg(i));
            block.setAlbum(!completeTags && i % 5 == 0 ? QString() : u"Album %1"_s.arg(i % 50));
            block.setYear(QString::number(1960 + i % 60));
            block.setGenre(quint8(i % 148));
            bytes += block.bytes();
        }
        addFile(corpus, i, bytes);
    }
    return corpus;
}

// count small files that carry only an ID3v2.4 tag, as rippers and stores write them.
Corpus writeID3v2Corpus(const QString &folder, int count)
{
    Corpus corpus {folder, {}};
    for (int i = 0; i < count; ++i) {
        TagLib::ID3v2::Tag tag;
        tag.setArtist(TagLib::String(u"Artist %1"_s.arg(i).toStdString(), TagLib::String::UTF8));
        tag.setTitle(TagLib::String(u"Title Number %1"_s.arg(i).toStdString(), TagLib::String::UTF8));
        tag.setAlbum(TagLib::String(u"Album %1"_s.arg(i % 50).toStdString(), TagLib::String::UTF8));
        tag.setYear(1960 + i % 60);
        tag.setGenre(TagLib::String::number(i % 148));
        const TagLib::ByteVector rendered = tag.render();
        addFile(corpus, i, QByteArray(rendered.data(), rendered.size()) + QByteArray(4096, char(0x55)));
    }
    return corpus;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Median milliseconds of runs timed calls of work, each followed by an untimed undo.
double measure(
    int runs, const std::function<void()> &work, const std::function<void()> &undo = [] {})
{
    std::vector<double> times;
    for (int run = 0; run <= runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        work();
        if (run > 0) // the first run only warms the cache
            times.push_back(double(timer.nsecsElapsed()) / 1e6);
        undo();
    }
    return median(times);
}

// The least any program must do per file: open, read the tag at the end, close, and build a
// name from it.
int readTagAndBuildName(const QString &path)
{
    const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
    struct stat info
    {
    };
    char bytes[ID3TagBlock::Size];
    if (fd < 0 || ::fstat(fd, &info) != 0
        || ::pread(fd, bytes, sizeof bytes, info.st_size - off_t(sizeof bytes)) != off_t(sizeof bytes))
        qFatal("cannot read %s", qPrintable(path));
    ::close(fd);
    if (std::memcmp(bytes, "TAG", 3) != 0)
        return 0;
    return int(
        (QString::fromLatin1(bytes + 33, 30) + u" - "_s + QString::fromLatin1(bytes + 3, 30) + u".mp3"_s).size());
}

int readTagsAndBuildNames(const QStringList &paths)
{
    int built = 0;
    for (const QString &path : paths)
        built += readTagAndBuildName(path);
    return built;
}

// The same work spread over threads that each take the next file not yet taken.
void readTagsAndBuildNamesInParallel(const QStringList &paths, int threadCount)
{
    std::atomic<qsizetype> next = 0;
    std::vector<std::jthread> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back([&] {
            for (qsizetype i = next++; i < paths.size(); i = next++)
                readTagAndBuildName(paths[i]);
        });
    }
}

// Drops the files' contents from the page cache and, where permitted, the kernel's caches of
// directory entries and inodes too, so that the next look and read go to the device. True
// when the kernel's caches were dropped.
bool evictFromCaches(const QStringList &paths)
{
    for (const QString &path : paths) {
        const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_CLOEXEC);
        if (fd < 0 || ::posix_fadvise(fd, 0, 0, POSIX_FADV_DONTNEED) != 0)
            qFatal("cannot evict %s", qPrintable(path));
        ::close(fd);
    }
    QFile dropCaches(u"/proc/sys/vm/drop_caches"_s);
    return dropCaches.open(QIODevice::WriteOnly) && dropCaches.write("3\n") == 2 && dropCaches.flush();
}

// Median milliseconds of runs timed calls of work on corpus, each on files just evicted.
// The program stays warm, as it is when a person lists a folder on cold media: before each
// timed call work runs untimed on sample, which brings back the code that dropping the
// kernel's caches dropped too.
double measureCold(
    int runs, const Corpus &corpus, const Corpus &sample, const std::function<void(const Corpus &)> &work)
{
    std::vector<double> times;
    for (int run = 0; run < runs; ++run) {
        evictFromCaches(corpus.paths);
        work(sample);
        QElapsedTimer timer;
        timer.start();
        work(corpus);
        times.push_back(double(timer.nsecsElapsed()) / 1e6);
    }
    return median(times);
}

// The least TagLib's own loop does per file: open it read-only, read its tags without the
// audio properties, and build a name from the ID3v2 tag.
int readID3v2TagsAndBuildNames(const QStringList &paths)
{
    int built = 0;
    for (const QString &path : paths) {
        TagLib::FileStream stream(QFile::encodeName(path).constData(), true);
        TagLib::MPEG::File file(&stream, TagLib::ID3v2::FrameFactory::instance(), false);
        const TagLib::ID3v2::Tag *tag = file.ID3v2Tag();
        if (!tag)
            qFatal("cannot read %s", qPrintable(path));
        built += int((QString::fromStdString(tag->artist().to8Bit(true)) + u" - "_s
            + QString::fromStdString(tag->title().to8Bit(true)) + u".mp3"_s)
                         .size());
    }
    return built;
}

void renameAll(const QStringList &from, const QStringList &to)
{
    for (qsizetype i = 0; i < from.size(); ++i) {
        if (::rename(QFile::encodeName(from[i]).constData(), QFile::encodeName(to[i]).constData()) != 0)
            qFatal("cannot rename %s", qPrintable(from[i]));
    }
}

// Runs the event loop until the first paint of widget.
void waitForFirstPaint(QWidget &widget)
{
    struct PaintWatch : QObject
    {
        bool painted = false;
        bool eventFilter(QObject *, QEvent *event) override
        {
            painted = painted || event->type() == QEvent::Paint;
            return false;
        }
    } watch;
    widget.installEventFilter(&watch);
    QElapsedTimer timeout;
    timeout.start();
    while (!watch.painted && timeout.elapsed() < 10000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    widget.removeEventFilter(&watch);
}

QWidget &gridRows(frmSelectFiles &window)
{
    return *window.findChild<QTableView *>(u"FileGrid"_s)->viewport();
}

// A path of the program and its floor, in milliseconds, measured in the same run.
struct Measured
{
    double time;
    double floor;
};

// The listing of corpus's folder beside the raw read loop over the same files.
Measured measureListing(frmSelectFiles &window, const Corpus &corpus, int runs)
{
    const double floor = measure(runs, [&] { readTagsAndBuildNames(corpus.paths); });
    window.SetScanDirectory(corpus.folder);
    return {measure(runs, [&] { window.ScanFilesFromFolder(); }), floor};
}

// Every file of corpus renamed after its tag, beside the same reads and renames, and put back
// untimed for the next run; a file that did not get its new name stops the benchmark there.
Measured measureRenameRun(frmSelectFiles &window, const Corpus &corpus, int runs)
{
    window.SetScanDirectory(corpus.folder);
    // The first convention: "Artist - Title".
    window.findChild<QComboBox *>(u"cboNameChoices"_s)->setCurrentIndex(0);
    QStringList newPaths;
    for (qsizetype i = 0; i < corpus.paths.size(); ++i)
        newPaths.append(corpus.folder + u"/Artist %1 - Title Number %1.mp3"_s.arg(i));
    const auto putBack = [&] { renameAll(newPaths, corpus.paths); };
    const double floor = measure(
        runs,
        [&] {
            readTagsAndBuildNames(corpus.paths);
            renameAll(corpus.paths, newPaths);
        },
        putBack);
    const double renaming = measure(
        runs, [&] { window.cmdRenameAll_Click(); }, putBack);
    return {renaming, floor};
}

// Undo Last Rename of a run over every file of corpus, beside that run, each made again after
// the undo; an undo that leaves a file under its new name stops the benchmark there.
Measured measureUndo(frmSelectFiles &window, const Corpus &corpus, int runs)
{
    window.SetScanDirectory(corpus.folder);
    window.findChild<QComboBox *>(u"cboNameChoices"_s)->setCurrentIndex(0);
    auto &undo = *window.findChild<QAction *>(u"mnuitmToolsUndo"_s);
    std::vector<double> runTimes;
    const auto timedRun = [&] {
        QElapsedTimer timer;
        timer.start();
        window.cmdRenameAll_Click();
        runTimes.push_back(double(timer.nsecsElapsed()) / 1e6);
    };
    timedRun();
    const double undoing = measure(
        runs,
        [&] {
            undo.trigger();
            if (!QFileInfo::exists(corpus.paths.back()))
                qFatal("the undo left %s under its new name", qPrintable(corpus.paths.back()));
        },
        timedRun);
    return {undoing, median(runTimes)};
}

// The program started with paths as its arguments, in the locale's language as main() starts
// it, until its grid's rows first paint.
double measureStartToFirstPaint(const QStringList &paths, int runs)
{
    return measure(runs, [&] {
        const Translations translations(QLocale::system(), Translations::installedFolder());
        frmMain startUp(std::make_unique<ConfirmingServices>(), paths);
        startUp.Form_Load();
        waitForFirstPaint(gridRows(startUp.mainWindow()));
    });
}

// A bare window with rows of two names, until it first paints.
void showBareWindow(int rows)
{
    QTableWidget table(rows, 2);
    for (int row = 0; row < rows; ++row) {
        table.setItem(row, 0, new QTableWidgetItem(fileName(row)));
        table.setItem(row, 1, new QTableWidgetItem(fileName(row)));
    }
    table.show();
    waitForFirstPaint(*table.viewport());
}

// The user and system time the process has used, in clock ticks; -1 once it is gone.
qint64 cpuTicks(qint64 processId)
{
    QFile stat(u"/proc/%1/stat"_s.arg(processId));
    if (!stat.open(QIODevice::ReadOnly))
        return -1;
    // Counted after the command name, which is in parentheses and may hold spaces: the times
    // are the 14th and 15th fields of the line, the 12th and 13th after the name.
    const QByteArray line = stat.readAll();
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 12 ? fields[11].toLongLong() + fields[12].toLongLong() : -1;
}

// Waits until the process has used no time for half a second: it has listed its files and
// drawn its window, however many files it lists. A minute at most, should it never settle.
void waitUntilSettled(qint64 processId)
{
    QElapsedTimer waited;
    waited.start();
    qint64 before = -2;
    for (qint64 now = cpuTicks(processId); now != before && waited.elapsed() < 60000; now = cpuTicks(processId)) {
        before = now;
        QThread::msleep(500);
    }
}

// Starts the real program with arguments and reads its peak resident memory once it has
// settled.
double peakMemoryMiB(const QStringList &arguments, const QString &settingsFolder)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, settingsFolder);
    environment.insert(u"XDG_CONFIG_DIRS"_s, settingsFolder);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SORVANE_PROGRAM), arguments);
    if (!program.waitForStarted())
        qFatal("cannot start the program");
    waitUntilSettled(program.processId());
    QFile status(u"/proc/%1/status"_s.arg(program.processId()));
    double peak = 0;
    if (status.open(QIODevice::ReadOnly)) {
        for (const QByteArray &line : status.readAll().split('\n')) {
            if (line.startsWith("VmHWM:"))
                peak = line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
        }
    }
    program.kill();
    program.waitForFinished();
    return peak;
}

// Started without arguments, the program lists the folder it listed last: the way to list
// more files than one command's arguments can name (100,000 paths exceed them).
double peakMemoryListingFolderMiB(const QString &folder, const QString &settingsFolder)
{
    WriteSetting(u"StartIn"_s, folder + u'/');
    return peakMemoryMiB({}, settingsFolder);
}

// "10,000", grouped as people write counts.
QByteArray grouped(int count)
{
    return QLocale(QLocale::English).toString(count).toLatin1();
}

// "listing 10,000 files" from "listing " and 10000.
QByteArray ofFiles(const char *what, int count)
{
    return what + grouped(count) + " files";
}

void report(QByteArrayView what, double milliseconds, double floor, QByteArrayView target)
{
    std::printf("%-34.*s %9.1f ms %9.1f ms %7.2fx   %.*s\n", int(what.size()), what.data(), milliseconds, floor,
        milliseconds / floor, int(target.size()), target.data());
}

// A listing of a larger folder beside its floor, and its time per file beside that of the
// listing of kFiles files: the listing should grow no faster than the folder.
void reportLargerListing(int files, const Measured &listing, double millisecondsForKFiles)
{
    report(ofFiles("listing ", files), listing.time, listing.floor,
        "<= 2x the floor, <= 1.2x per file of " + grouped(kFiles));
    const double microsecondsPerFile = listing.time * 1000 / files;
    const double microsecondsPerFileOfKFiles = millisecondsForKFiles * 1000 / kFiles;
    const QByteArray what = ofFiles("  per file, beside ", kFiles);
    std::printf("%-34.*s %9.1f µs %9.1f µs %7.2fx\n", int(what.size()), what.data(), microsecondsPerFile,
        microsecondsPerFileOfKFiles, microsecondsPerFile / microsecondsPerFileOfKFiles);
}

void reportMemory(QByteArrayView what, double mebibytes, QByteArrayView target)
{
    std::printf(
        "%-34.*s %9.1f MiB   %.*s\n", int(what.size()), what.data(), mebibytes, int(target.size()), target.data());
}

} // namespace

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QTemporaryDir settings;
    RedirectSettings(settings.path(), settings.path());
    // The rename runs' journal goes with the corpus, not into the user's own state.
    QTemporaryDir state;
    qputenv("XDG_STATE_HOME", QFile::encodeName(state.path()));
    QTemporaryDir listedFolder;
    QTemporaryDir renamedFolder;
    const Corpus listed = writeCorpus(listedFolder.path(), kFiles, false);
    const Corpus renamed = writeCorpus(renamedFolder.path(), kFiles, true);
    // Started without arguments, the program lists the folder it listed last, and else the
    // home folder, which is not the benchmark's to read.
    WriteSetting(u"StartIn"_s, listed.folder + u'/');

    std::printf("Sorvane benchmark: %d files, warm cache, median of %d runs\n", kFiles, kRuns);
    std::printf("%-34s %12s %12s %8s   %s\n", "measurement", "time", "floor", "ratio", "target");
    frmMain folderMode(std::make_unique<ConfirmingServices>(), {});
    folderMode.Form_Load();
    frmSelectFiles &window = folderMode.mainWindow();
    const Measured listing = measureListing(window, listed, kRuns);
    report("listing the folder", listing.time, listing.floor, "<= 2.5x the floor");
    auto &conventions = *window.findChild<QComboBox *>(u"cboNameChoices"_s);
    int convention = 0;
    const auto switchConvention = [&] {
        convention = 1 - convention;
        conventions.setCurrentIndex(convention);
        Q_EMIT conventions.activated(convention);
    };
    report("changing the convention", measure(kRuns, switchConvention), listing.floor, "");

    QTemporaryDir id3v2OnlyFolder;
    const Corpus id3v2Only = writeID3v2Corpus(id3v2OnlyFolder.path(), kFiles);
    auto &readID3v2 = *window.findChild<QAction *>(u"mnuitmToolsReadID3v2"_s);
    readID3v2.trigger();
    window.SetScanDirectory(id3v2Only.folder);
    report("listing ID3v2-only files", measure(kRuns, [&] { window.ScanFilesFromFolder(); }),
        measure(kRuns, [&] { readID3v2TagsAndBuildNames(id3v2Only.paths); }), "floor: TagLib's own read loop");
    readID3v2.trigger();

    const Measured renameRun = measureRenameRun(window, renamed, kRuns);
    report("rename run", renameRun.time, renameRun.floor, "<= 3x the floor (reads and renames)");

    report("start to first paint", measureStartToFirstPaint(listed.paths, kRuns),
        measure(kRuns, [] { showBareWindow(kFiles); }), "< 40 ms (floor: a bare window with 1000 rows)");

    std::printf("\n%s files, warm cache, median of %d runs\n", grouped(kManyFiles).constData(), kRuns);
    QTemporaryDir manyListedFolder;
    QTemporaryDir manyRenamedFolder;
    const Corpus manyListed = writeCorpus(manyListedFolder.path(), kManyFiles, false);
    const Corpus manyRenamed = writeCorpus(manyRenamedFolder.path(), kManyFiles, true);
    reportLargerListing(kManyFiles, measureListing(window, manyListed, kRuns), listing.time);
    const Measured manyRenameRun = measureRenameRun(window, manyRenamed, kRuns);
    report(ofFiles("rename run, ", kManyFiles), manyRenameRun.time, manyRenameRun.floor,
        "<= 3x the floor (reads and renames)");
    // A window draws only the rows it has room for, so at this size the reads cost far more
    // than the window: without them the floor would leave out most of what any program must do.
    const double readsAndBareWindow = measure(kRuns, [&] {
        readTagsAndBuildNames(manyListed.paths);
        showBareWindow(kManyFiles);
    });
    report(ofFiles("start to first paint, ", kManyFiles), measureStartToFirstPaint(manyListed.paths, kRuns),
        readsAndBareWindow, "floor: the reads and a bare window with " + grouped(kManyFiles) + " rows");

    std::printf("\n%s files, warm cache, median of %d runs\n", grouped(kMostFiles).constData(), kMostRuns);
    QTemporaryDir mostListedFolder;
    const Corpus mostListed = writeCorpus(mostListedFolder.path(), kMostFiles, false);
    reportLargerListing(kMostFiles, measureListing(window, mostListed, kMostRuns), listing.time);
    QTemporaryDir mostRenamedFolder;
    const Corpus mostRenamed = writeCorpus(mostRenamedFolder.path(), kMostFiles, true);
    const Measured mostUndone = measureUndo(window, mostRenamed, kMostUndoRuns);
    report(ofFiles("undoing a run of ", kMostFiles), mostUndone.time, mostUndone.floor,
        "about as long as the run (floor: the run, median of " + QByteArray::number(kMostUndoRuns + 1) + ")");

    // Written back first: pages not yet on the device cannot be dropped.
    ::sync();
    std::printf(
        "\ncold cache, median of %d runs (%d for %s files), each after posix_fadvise(POSIX_FADV_DONTNEED) on every "
        "file%s\n",
        kColdRuns, kMostColdRuns, grouped(kMostFiles).constData(),
        evictFromCaches(listed.paths) ? " and dropping the kernel's caches"
                                      : "; the kernel's caches stay (dropping them is not permitted here)");
    QTemporaryDir sampleFolder;
    const Corpus sample {sampleFolder.path(), {sampleFolder.filePath(fileName(0))}};
    QFile::copy(listed.paths.first(), sample.paths.first());
    const auto readSequentially = [](const Corpus &c) { readTagsAndBuildNames(c.paths); };
    const auto readInParallel = [](const Corpus &c) { readTagsAndBuildNamesInParallel(c.paths, kFloorThreads); };
    const auto listFolder = [&](const Corpus &c) { window.SetScanDirectory(c.folder); };
    const double sequentialFloor = measureCold(kColdRuns, listed, sample, readSequentially);
    const double parallelFloor = measureCold(kColdRuns, listed, sample, readInParallel);
    report("cold listing the folder", measureCold(kColdRuns, listed, sample, listFolder), parallelFloor,
        "<= 1.5x the floor (reads on 16 threads)");
    report("cold listing, sequential floor", sequentialFloor, parallelFloor, "floor: reads on 16 threads");
    const double parallelFloorOfMost = measureCold(kMostColdRuns, mostListed, sample, readInParallel);
    report(ofFiles("cold listing, ", kMostFiles), measureCold(kMostColdRuns, mostListed, sample, listFolder),
        parallelFloorOfMost, "<= 1.5x the floor (reads on 16 threads)");

    std::printf("\n");
    reportMemory("peak memory, whole program", peakMemoryMiB(listed.paths, settings.path()), "< 40 MiB");
    reportMemory(ofFiles("peak memory, ", kMostFiles), peakMemoryListingFolderMiB(mostListed.folder, settings.path()),
        "< 150 MiB (started on the folder)");
    std::fflush(stdout);
    return 0;
}
