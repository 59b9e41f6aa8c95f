#pragma once

#include "support/QtPrinting.h"

#include <QByteArray>
#include <QDir>
#include <QString>
#include <QTemporaryDir>

// A folder of real files for one test, removed with the object, whatever bytes its names hold.
class TempFolder
{
public:
    TempFolder();
    ~TempFolder();

    // The folder's path, ending in "/".
    QString path() const { return m_dir.path() + QLatin1Char('/'); }
    QString path(const QString &name) const { return path() + name; }

    // Creates or replaces the file name (its folders too) with bytes and returns its full path.
    QString write(const QString &name, const QByteArray &bytes) const;
    QByteArray read(const QString &name) const;
    // The names of the files in the folder, sorted.
    QStringList fileNames() const { return QDir(path()).entryList(QDir::Files, QDir::Name); }
    QString makeFifo(const QString &name) const;
    // A symbolic link to a file that does not exist.
    QString makeDanglingLink(const QString &name) const;
    QString makeFolder(const QString &name) const;
    // A link name to a file whose end cannot be read, even by root; empty where the system
    // has none.
    QString linkToUnreadableFile(const QString &name) const;

private:
    QTemporaryDir m_dir;
};

// 128 bytes of an ID3v1 block with every field spelled out; text fields are padded to
// their widths with pad: NULs, as taggers write them, or spaces, as this program does.
QByteArray tagBlockBytes(const QByteArray &title, const QByteArray &artist, const QByteArray &album,
    const QByteArray &year, const QByteArray &comment, quint8 genre, char pad = '\0');

// The ID3v1.1 form of block: the comment's last two bytes hold a NUL and the track number.
QByteArray withTrack(QByteArray block, quint8 track);

// length bytes of filler that holds no "TAG".
inline QByteArray audioBytes(qsizetype length)
{
    return QByteArray(length, '\x80');
}

// A small MP3-like file's bytes: filler, then a NUL-padded block with these fields and genre 0.
QByteArray taggedAudio(
    const QByteArray &title, const QByteArray &artist, const QByteArray &album = {}, const QByteArray &year = {});
