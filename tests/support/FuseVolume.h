#pragma once

#include "support/TempFolder.h"

#include <QProcess>
#include <QString>
#include <QStringList>

// A file-system driver that runs in user space, and how to make, mount and check an image
// for it.
struct FuseDriver
{
    const char *name;
    QStringList makeFileSystem; // the image's path goes last
    // Runs the driver in the foreground; the device (the image or its loop device) and the
    // mount point go last.
    QStringList mount;
    bool needsLoopDevice; // run as root, it mounts block devices only
    QStringList checkFileSystem; // read-only check, the image's path goes last
    bool holdsNonAsciiNames;
    // Faults of the driver itself that no program can work around; a test leaves out the
    // steps that would only meet them. Null where the driver has none.
    const char *longRenameFault;
    const char *fullVolumeFault;
};

// Why a volume of this driver cannot be mounted here, or an empty string when it can.
QString missingForFuse(const FuseDriver &driver);

// An image of the driver's file system, made and mounted in a temporary folder for one
// test, and unmounted with the object, also when an assertion ends the test early.
class FuseVolume
{
public:
    FuseVolume(const FuseDriver &driver, qint64 imageSize);
    FuseVolume(const FuseVolume &) = delete;
    FuseVolume &operator=(const FuseVolume &) = delete;
    ~FuseVolume();

    // What went wrong while making or mounting the volume; empty once it is mounted.
    QString failure() const { return m_failure; }
    // The mount point, ending in "/".
    QString folder() const;
    // Unmounts, waits for the driver to write out what it holds, and checks the image: what
    // went wrong or what the check found damaged; empty when all is well.
    QString unmountAndCheck();

private:
    QString makeAndMount(qint64 imageSize);
    bool unmount();

    const FuseDriver &m_driver;
    TempFolder m_files;
    QString m_loopDevice;
    QProcess m_process;
    QString m_failure;
};
