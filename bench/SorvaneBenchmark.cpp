// Measures the program's hot paths over 1000 files, each beside a raw floor measured in the
// same run, the folder listing also with the files evicted from the caches, and the whole
// program's peak memory:  ./build.sh bench

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

// The benchmark plays the person: it confirms every rename run and wants no more after it,
// and the program it would then end goes on.
class ConfirmingServices final : public DesktopServices
{
public:
    MessageAnswer showMessage(QWidget *, const Message &message) override
    {
        return message.title == u"Rename All Files?"_s ? MessageAnswer::Yes : MessageAnswer::No;
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

// 1000 small files with distinct tags: some with Latin-1 letters, some with empty fields
// and, unless every tag must be complete, some without a tag at all.
QStringList writeCorpus(const QString &folder, bool completeTags)
{
    QStringList paths;
    for (int i = 0; i < kFiles; ++i) {
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
        QFile file(folder + fileName(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the corpus");
        paths.append(file.fileName());
    }
    return paths;
}

// 1000 small files that carry only an ID3v2.4 tag, as rippers and stores write them.
QStringList writeID3v2Corpus(const QString &folder)
{
    QStringList paths;
    for (int i = 0; i < kFiles; ++i) {
        TagLib::ID3v2::Tag tag;
        tag.setArtist(TagLib::String(u"Artist %1"_s.arg(i).toStdString(), TagLib::String::UTF8));
        tag.setTitle(TagLib::String(u"Title Number %1"_s.arg(i).toStdString(), TagLib::String::UTF8));
        tag.setAlbum(TagLib::String(u"Album %1"_s.arg(i % 50).toStdString(), TagLib::String::UTF8));
        tag.setYear(1960 + i % 60);
        tag.setGenre(TagLib::String::number(i % 148));
        const TagLib::ByteVector rendered = tag.render();
        const QByteArray bytes = QByteArray(rendered.data(), rendered.size()) + QByteArray(4096, char(0x55));
        QFile file(folder + fileName(i));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write the corpus");
        paths.append(file.fileName());
    }
    return paths;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Median milliseconds of kRuns timed calls of work, each followed by an untimed undo.
double measure(
    const std::function<void()> &work, const std::function<void()> &undo = [] {})
{
    std::vector<double> times;
    for (int run = 0; run <= kRuns; ++run) {
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

// A folder of tagged files and their paths.
struct Corpus
{
    QString folder;
    QStringList paths;
};

// Median milliseconds of kColdRuns timed calls of work on corpus, each on files just evicted.
// The program stays warm, as it is when a person lists a folder on cold media: before each
// timed call work runs untimed on sample, which brings back the code that dropping the
// kernel's caches dropped too.
double measureCold(const Corpus &corpus, const Corpus &sample, const std::function<void(const Corpus &)> &work)
{
    std::vector<double> times;
    for (int run = 0; run < kColdRuns; ++run) {
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

// Starts the real program on the files and reads its peak resident memory once it has
// settled.
double peakMemoryMiB(const QStringList &paths, const QString &settingsFolder)
{
    QProcess program;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(u"QT_QPA_PLATFORM"_s, u"offscreen"_s);
    environment.insert(u"XDG_CONFIG_HOME"_s, settingsFolder);
    environment.insert(u"XDG_CONFIG_DIRS"_s, settingsFolder);
    program.setProcessEnvironment(environment);
    program.start(QStringLiteral(SORVANE_PROGRAM), paths);
    if (!program.waitForStarted())
        qFatal("cannot start the program");
    QThread::msleep(2000);
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

void report(const char *what, double milliseconds, double floor, const char *target)
{
    std::printf("%-34s %9.1f ms %9.1f ms %7.2fx   %s\n", what, milliseconds, floor, milliseconds / floor, target);
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
    QTemporaryDir listed;
    QTemporaryDir renamed;
    const QStringList listedPaths = writeCorpus(listed.path() + u'/', false);
    const QStringList renamedPaths = writeCorpus(renamed.path() + u'/', true);

    std::printf("Sorvane benchmark: %d files, warm cache, median of %d runs\n", kFiles, kRuns);
    std::printf("%-34s %12s %12s %8s   %s\n", "measurement", "time", "floor", "ratio", "target");
    const double readFloor = measure([&] { readTagsAndBuildNames(listedPaths); });

    frmMain folderMode(std::make_unique<ConfirmingServices>(), {});
    folderMode.Form_Load();
    frmSelectFiles &window = folderMode.mainWindow();
    window.SetScanDirectory(listed.path());
    report("listing the folder", measure([&] { window.ScanFilesFromFolder(); }), readFloor, "<= 2.5x the floor");
    auto &conventions = *window.findChild<QComboBox *>(u"cboNameChoices"_s);
    int convention = 0;
    report("changing the convention", measure([&] {
        convention = 1 - convention;
        conventions.setCurrentIndex(convention);
        Q_EMIT conventions.activated(convention);
    }),
        readFloor, "");

    QTemporaryDir id3v2Only;
    const QStringList id3v2Paths = writeID3v2Corpus(id3v2Only.path() + u'/');
    auto &readID3v2 = *window.findChild<QAction *>(u"mnuitmToolsReadID3v2"_s);
    readID3v2.trigger();
    window.SetScanDirectory(id3v2Only.path());
    report("listing ID3v2-only files", measure([&] { window.ScanFilesFromFolder(); }),
        measure([&] { readID3v2TagsAndBuildNames(id3v2Paths); }), "floor: TagLib's own read loop");
    readID3v2.trigger();

    // Every file renamed after its tag, then put back untimed for the next run; a file that
    // did not get its new name stops the benchmark there.
    window.SetScanDirectory(renamed.path());
    conventions.setCurrentIndex(0);
    QStringList newPaths;
    for (int i = 0; i < kFiles; ++i)
        newPaths.append(renamed.path() + u"/Artist %1 - Title Number %1.mp3"_s.arg(i));
    const auto putBack = [&] { renameAll(newPaths, renamedPaths); };
    const double renameFloor = measure(
        [&] {
            readTagsAndBuildNames(renamedPaths);
            renameAll(renamedPaths, newPaths);
        },
        putBack);
    report("rename run", measure([&] { window.cmdRenameAll_Click(); }, putBack), renameFloor,
        "<= 3x the floor (reads and renames)");

    const double bareWindow = measure([] {
        QTableWidget table(kFiles, 2);
        for (int row = 0; row < kFiles; ++row) {
            table.setItem(row, 0, new QTableWidgetItem(fileName(row)));
            table.setItem(row, 1, new QTableWidgetItem(fileName(row)));
        }
        table.show();
        waitForFirstPaint(*table.viewport());
    });
    report("start to first paint", measure([&] {
        frmMain startUp(std::make_unique<ConfirmingServices>(), listedPaths);
        startUp.Form_Load();
        waitForFirstPaint(gridRows(startUp.mainWindow()));
    }),
        bareWindow, "< 40 ms (floor: a bare window with 1000 rows)");

    // Written back first: pages not yet on the device cannot be dropped.
    ::sync();
    std::printf("\ncold cache, median of %d runs, each after posix_fadvise(POSIX_FADV_DONTNEED) on every file%s\n",
        kColdRuns,
        evictFromCaches(listedPaths) ? " and dropping the kernel's caches"
                                     : "; the kernel's caches stay (dropping them is not permitted here)");
    const Corpus cold {listed.path(), listedPaths};
    QTemporaryDir sampleFolder;
    const Corpus sample {sampleFolder.path(), {sampleFolder.filePath(fileName(0))}};
    QFile::copy(listedPaths.first(), sample.paths.first());
    const double sequentialFloor = measureCold(cold, sample, [](const Corpus &c) { readTagsAndBuildNames(c.paths); });
    const double parallelFloor
        = measureCold(cold, sample, [](const Corpus &c) { readTagsAndBuildNamesInParallel(c.paths, kFloorThreads); });
    report("cold listing the folder",
        measureCold(cold, sample, [&](const Corpus &c) { window.SetScanDirectory(c.folder); }), parallelFloor,
        "<= 1.5x the floor (reads on 16 threads)");
    report("cold listing, sequential floor", sequentialFloor, parallelFloor, "floor: reads on 16 threads");

    std::printf("\n%-34s %9.1f MiB   %s\n", "peak memory, whole program", peakMemoryMiB(listedPaths, settings.path()),
        "< 40 MiB");
    std::fflush(stdout);
    return 0;
}
