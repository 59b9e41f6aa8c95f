#pragma once

#include "track/TagFields.h"
#include "track/TagReading.h"

#include <QString>

// True when path names an existing regular file (symbolic links followed, hidden names
// accepted) and contains ".mp3", ".mp2" or ".mp1" anywhere, in any case.
bool IsMP3File(const QString &path);

// What the program knows about the file in hand: its path, its tag fields (read from
// its ID3v1 block or its ID3v2 tag, or guessed from its name) and where they came from, its
// proposed new name and whether the chosen naming convention found a needed field empty.
class MP3File
{
public:
    using TagSource = TagReading::TagSource;

    QString FileName() const { return m_fileName; }
    // The load. The path is stored as given, always. Only a path that passes IsMP3File
    // replaces the tag fields, as readTags reads them. Returns false when such a file could
    // not be read; its tag fields are then empty, except Genre, which keeps the previous
    // file's.
    bool setFileName(const QString &path, bool readsID3v2 = false);
    // The file at path with tags read before, as a listing holds them; their source is
    // FileName, as this record read nothing.
    void setFileName(const QString &path, const TagFields &tags);
    // Where the last load took the tag fields from: FileName also when it read none.
    TagSource tagSource() const { return m_tagSource; }

    QString NewFileName() const { return m_newFileName; }
    void setNewFileName(const QString &name) { m_newFileName = name; }
    bool IsMissingTags() const { return m_isMissingTags; }
    void setIsMissingTags(bool missing) { m_isMissingTags = missing; }

    // The tag fields without spaces at their ends; NUL characters stay.
    QString Title() const;
    QString Artist() const;
    QString Album() const;
    QString Year() const;
    QString Comment() const;
    QString Genre() const;
    // The track as the tag states it ("3", "03/12"); trackNumber gives its number.
    QString Track() const;

private:
    QString m_fileName;
    QString m_newFileName;
    bool m_isMissingTags = false;
    TagFields m_tags;
    TagSource m_tagSource = TagSource::FileName;
};
