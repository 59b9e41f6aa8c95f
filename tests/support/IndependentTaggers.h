#pragma once

#include <QMap>
#include <QString>

// Tags as another program writes them, so that tests meet files as people have them:
// fields padded with NULs, an ID3v1.1 track number, Latin-1 letters.
struct ForeignTag
{
    QString title {};
    QString artist {};
    QString album {};
    QString year {};
    QString comment {};
    // The TRCK frame's text ("3", "03/12"); none when empty.
    QString track {};
    // The genre frame's text as written ("Rock", "17", "(17)").
    QString genre {};
    // A front cover picture (APIC), when not empty.
    QByteArray cover {};
    // The text of a comment holding player data (description "iTunNORM"), when not empty.
    QString playerComment {};
};

// How python3-mutagen writes the ID3v2 tag: version 2.3 (the year as TYER) or 2.4 (TDRC),
// the frames' text encoding (0 Latin-1, 1 UTF-16 with BOM, 2 UTF-16BE, 3 UTF-8; 2.3 has
// only the first two, and mutagen writes UTF-16 for the others), and whether an ID3v1.1
// block follows at the end of the file.
struct MutagenLayout
{
    int version = 4;
    int encoding = 3;
    bool withID3v1 = true;
};

// Tags the file with python3-mutagen: an ID3v2 tag in front and, unless the layout says
// otherwise, an ID3v1.1 block at the end (mutagen leaves the comment out of that block).
// Returns why not when it could not (python3-mutagen missing), else an empty string.
QString tagWithMutagen(const QString &path, const ForeignTag &tag, const MutagenLayout &layout = {});

// What another program reads in a file's ID3v2 tag, or why it could not be asked (its
// package is missing).
struct TaggerReading
{
    QString why;
    // Each frame's text, keyed as python3-mutagen names frames ("TIT2", "COMM::eng",
    // "APIC:Cover", a picture's bytes in hex) under the IDs of the tag's own version (TYER in
    // 2.3), or "title" and "artist" for eyeD3; the tag's version ("2.3") under "version".
    QMap<QString, QString> fields;
};

// Tags the file with id3tool, which writes an ID3v1.1 block alone, the track number in the
// comment's last byte. Returns why not when it could not, else an empty string.
QString tagWithId3tool(const QString &path, const ForeignTag &tag);

// What mutagen reads: the ID3v2 tag, or for a file without one its ID3v1 block as frames.
TaggerReading readWithMutagen(const QString &path);
TaggerReading readWithEyeD3(const QString &path);
