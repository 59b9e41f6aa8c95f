#include "support/FuseVolume.h"

#include <QFile>
#include <QStandardPaths>

#include <chrono>
#include <sys/vfs.h>
#include <thread>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int kTimeoutMs = 60'000;
constexpr long kFuseMagic = 0x65735546; // FUSE_SUPER_MAGIC

QString findProgram(const QString &name)
{
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? QStandardPaths::findExecutable(name, {u"/usr/sbin"_s, u"/sbin"_s}) : onPath;
}

struct Result
{
    bool succeeded = false;
    QString command;
    QString output; // standard output and error together

    QString report() const { return command + u": "_s + output; }
};

Result run(const QStringList &command)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(findProgram(command.front()), command.mid(1));
    const bool finished = process.waitForFinished(kTimeoutMs);
    return {finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0, command.join(u' '),
        QString::fromLocal8Bit(process.readAll())};
}

bool isFuseMount(const QString &folder)
{
    struct statfs info
    {
    };
    return ::statfs(QFile::encodeName(folder).constData(), &info) == 0 && info.f_type == kFuseMagic;
}

} // namespace

QString missingForFuse(const FuseDriver &driver)
{
    if (::geteuid() != 0)
        return u"needs root and /dev/fuse: not running as root"_s;
    if (::access("/dev/fuse", R_OK | W_OK) != 0)
        return u"needs root and /dev/fuse: /dev/fuse is missing"_s;
    QStringList programs {
        driver.mountProgram, driver.makeFileSystem.front(), driver.checkFileSystem.front(), u"fusermount"_s};
    if (driver.needsLoopDevice)
        programs.append(u"losetup"_s);
    for (const QString &program : programs) {
        if (findProgram(program).isEmpty())
            return program + u" is not installed (./build.sh test installs it)"_s;
    }
    if (driver.needsLoopDevice && !run({u"losetup"_s, u"--find"_s}).succeeded)
        return QString::fromLatin1(driver.name) + u" needs a free loop device, and there is none"_s;
    return {};
}

FuseVolume::FuseVolume(const FuseDriver &driver, qint64 imageSize)
    : m_driver(driver)
{
    m_mounted = makeAndMount(imageSize);
}

FuseVolume::~FuseVolume()
{
    unmount();
}

QString FuseVolume::folder() const
{
    return m_files.path(u"mount/"_s);
}

bool FuseVolume::makeAndMount(qint64 imageSize)
{
    const QString image = m_files.path(u"volume.img"_s);
    QFile imageFile(image);
    if (!imageFile.open(QIODevice::WriteOnly) || !imageFile.resize(imageSize)) {
        m_failure = u"cannot create the image"_s;
        return false;
    }
    imageFile.close();
    const Result made = run(m_driver.makeFileSystem + QStringList {image});
    if (!made.succeeded) {
        m_failure = made.report();
        return false;
    }
    QString device = image;
    if (m_driver.needsLoopDevice) {
        const Result attached = run({u"losetup"_s, u"--find"_s, u"--show"_s, image});
        if (!attached.succeeded) {
            m_failure = attached.report();
            return false;
        }
        m_loopDevice = attached.output.trimmed();
        device = m_loopDevice;
    }
    m_files.makeFolder(u"mount"_s);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.start(findProgram(m_driver.mountProgram), m_driver.mountArguments(device, folder()));
    return waitUntilMounted();
}

bool FuseVolume::waitUntilMounted()
{
    using namespace std::chrono_literals;
    for (auto waited = 0ms; waited < 10s; waited += 20ms) {
        if (isFuseMount(folder()))
            return true;
        if (m_process.state() == QProcess::NotRunning)
            break;
        std::this_thread::sleep_for(20ms);
    }
    m_failure = QString::fromLatin1(m_driver.name) + u" did not mount the image"_s;
    return false;
}

bool FuseVolume::unmount()
{
    const bool wasMounted = std::exchange(m_mounted, false);
    bool clean = true;
    if (wasMounted && !run({u"fusermount"_s, u"-u"_s, folder()}).succeeded) {
        // The last resort: the mount goes as soon as nothing uses it.
        run({u"fusermount"_s, u"-uz"_s, folder()});
        clean = false;
    }
    // Unmounted, the driver writes out what it holds and ends by itself.
    if (m_process.state() != QProcess::NotRunning && !(wasMounted && clean && m_process.waitForFinished(kTimeoutMs))) {
        m_process.kill();
        m_process.waitForFinished();
        clean = false;
    }
    if (!m_loopDevice.isEmpty())
        clean = run({u"losetup"_s, u"--detach"_s, std::exchange(m_loopDevice, {})}).succeeded && clean;
    return clean;
}

QString FuseVolume::damage() const
{
    const Result checked = run(m_driver.checkFileSystem + QStringList {m_files.path(u"volume.img"_s)});
    return checked.succeeded ? QString() : checked.report();
}
