#include "support/FuseVolume.h"

#include <QFile>
#include <QStandardPaths>
#include <QStorageInfo>

#include <chrono>
#include <thread>
#include <unistd.h>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr int kTimeoutMs = 60'000;

QString findProgram(const QString &name)
{
    const QString onPath = QStandardPaths::findExecutable(name);
    return onPath.isEmpty() ? QStandardPaths::findExecutable(name, {u"/usr/sbin"_s, u"/sbin"_s}) : onPath;
}

// Runs command and gives what it printed to output; returns the command and its output when
// it failed, or an empty string.
QString failureOf(const QStringList &command, QString *output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(findProgram(command.front()), command.mid(1));
    const bool finished = process.waitForFinished(kTimeoutMs);
    const QString printed = QString::fromLocal8Bit(process.readAll());
    if (output)
        *output = printed;
    const bool succeeded = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return succeeded ? QString() : command.join(u' ') + u": "_s + printed;
}

} // namespace

QString missingForFuse(const FuseDriver &driver)
{
    if (::geteuid() != 0 || ::access("/dev/fuse", R_OK | W_OK) != 0)
        return u"needs root and /dev/fuse"_s;
    QStringList programs {driver.mount.front(), driver.makeFileSystem.front(), driver.checkFileSystem.front(),
        u"fusermount"_s, u"truncate"_s};
    if (driver.needsLoopDevice)
        programs.append(u"losetup"_s);
    for (const QString &program : programs) {
        if (findProgram(program).isEmpty())
            return program + u" is not installed (./build.sh test installs it)"_s;
    }
    if (driver.needsLoopDevice && !failureOf({u"losetup"_s, u"--find"_s}).isEmpty())
        return QString::fromLatin1(driver.name) + u" needs a free loop device, and there is none"_s;
    return {};
}

FuseVolume::FuseVolume(const FuseDriver &driver, qint64 imageSize)
    : m_driver(driver)
    , m_failure(makeAndMount(imageSize))
{ }

FuseVolume::~FuseVolume()
{
    unmount();
}

QString FuseVolume::folder() const
{
    return m_files.path(u"mount/"_s);
}

QString FuseVolume::makeAndMount(qint64 imageSize)
{
    const QString image = m_files.path(u"volume.img"_s);
    for (const QStringList &command : {QStringList {u"truncate"_s, u"-s"_s, QString::number(imageSize), image},
             m_driver.makeFileSystem + QStringList {image}}) {
        if (const QString failure = failureOf(command); !failure.isEmpty())
            return failure;
    }
    if (m_driver.needsLoopDevice) {
        QString device;
        if (const QString failure = failureOf({u"losetup"_s, u"--find"_s, u"--show"_s, image}, &device);
            !failure.isEmpty())
            return failure;
        m_loopDevice = device.trimmed();
    }
    m_files.makeFolder(u"mount"_s);
    m_process.setStandardOutputFile(QProcess::nullDevice());
    m_process.setStandardErrorFile(QProcess::nullDevice());
    m_process.start(findProgram(m_driver.mount.front()),
        m_driver.mount.mid(1) + QStringList {m_loopDevice.isEmpty() ? image : m_loopDevice, folder()});
    using namespace std::chrono_literals;
    for (auto waited = 0ms; waited < 10s && m_process.state() != QProcess::NotRunning; waited += 20ms) {
        if (QStorageInfo(folder()).fileSystemType().startsWith("fuse"))
            return {};
        std::this_thread::sleep_for(20ms);
    }
    return QString::fromLatin1(m_driver.name) + u" did not mount the image"_s;
}

// Unmounted, the driver writes out what it holds and ends by itself; false when any step had
// to be forced.
bool FuseVolume::unmount()
{
    bool clean = true;
    if (m_process.state() != QProcess::NotRunning) {
        clean = failureOf({u"fusermount"_s, u"-u"_s, folder()}).isEmpty() && m_process.waitForFinished(kTimeoutMs);
        if (!clean) {
            // The last resort: the mount goes as soon as nothing uses it.
            failureOf({u"fusermount"_s, u"-uz"_s, folder()});
            m_process.kill();
            m_process.waitForFinished();
        }
    }
    if (!m_loopDevice.isEmpty())
        clean = failureOf({u"losetup"_s, u"--detach"_s, std::exchange(m_loopDevice, {})}).isEmpty() && clean;
    return clean;
}

QString FuseVolume::unmountAndCheck()
{
    if (!unmount())
        return u"the volume did not unmount cleanly"_s;
    return failureOf(m_driver.checkFileSystem + QStringList {m_files.path(u"volume.img"_s)});
}
