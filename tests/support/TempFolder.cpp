#include "support/TempFolder.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>
#include <stdexcept>

TempFolder::TempFolder()
{
    if (!m_dir.isValid())
        throw std::runtime_error("cannot create a temporary folder");
}

TempFolder::~TempFolder()
{
    // QTemporaryDir skips names that are not valid in the locale's encoding; bytes remove all.
    std::error_code ignored;
    std::filesystem::remove_all(QFile::encodeName(m_dir.path()).toStdString(), ignored);
}

QString TempFolder::write(const QString &name, const QByteArray &bytes) const
{
    QDir().mkpath(QFileInfo(path(name)).path());
    QFile file(path(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write a test file");
    return file.fileName();
}

QByteArray TempFolder::read(const QString &name) const
{
    QFile file(path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString TempFolder::makeFifo(const QString &name) const
{
    if (::mkfifo(QFile::encodeName(path(name)).constData(), 0600) != 0)
        throw std::runtime_error("cannot create a FIFO");
    return path(name);
}

QString TempFolder::makeDanglingLink(const QString &name) const
{
    if (::symlink("nowhere", QFile::encodeName(path(name)).constData()) != 0)
        throw std::runtime_error("cannot create a symbolic link");
    return path(name);
}

QString TempFolder::makeFolder(const QString &name) const
{
    if (!QDir().mkpath(path(name)))
        throw std::runtime_error("cannot create a folder");
    return path(name);
}

QString TempFolder::linkToUnreadableFile(const QString &name) const
{
    // sysfs files claim 4096 bytes but hold far fewer.
    const char *unreadable = "/sys/devices/system/cpu/online";
    const bool linked = ::symlink(unreadable, QFile::encodeName(path(name)).constData()) == 0;
    return linked && QFile::exists(path(name)) ? path(name) : QString();
}

QByteArray tagBlockBytes(const QByteArray &title, const QByteArray &artist, const QByteArray &album,
    const QByteArray &year, const QByteArray &comment, quint8 genre, char pad)
{
    const auto field
        = [pad](const QByteArray &text, qsizetype width) { return text.left(width).leftJustified(width, pad); };
    return "TAG" + field(title, 30) + field(artist, 30) + field(album, 30) + field(year, 4) + field(comment, 30)
        + char(genre);
}

QByteArray withTrack(QByteArray block, quint8 track)
{
    block[125] = '\0';
    block[126] = char(track);
    return block;
}

QByteArray taggedAudio(
    const QByteArray &title, const QByteArray &artist, const QByteArray &album, const QByteArray &year)
{
    return audioBytes(300) + tagBlockBytes(title, artist, album, year, "", 0);
}
