#include "track/MP3File.h"

#include "platform/FileLookup.h"
#include "track/SpaceTrim.h"

bool IsMP3File(const QString &path)
{
    return hasMP3Extension(path) && entryKindOf(path) == EntryKind::RegularFile;
}

bool MP3File::setFileName(const QString &path, bool readsID3v2)
{
    m_fileName = path;
    TagReading reading = readTags(path, readsID3v2);
    m_tagSource = reading.outcome == TagReading::Outcome::Read ? reading.source : TagSource::FileName;
    switch (reading.outcome) {
    case TagReading::Outcome::NotAnMP3File:
        return true;
    case TagReading::Outcome::Unreadable: {
        TagFields unread;
        unread.Genre = m_tags.Genre;
        m_tags = std::move(unread);
        return false;
    }
    case TagReading::Outcome::Read:
        m_tags = std::move(reading.tags);
        return true;
    }
    return true;
}

void MP3File::setFileName(const QString &path, const TagFields &tags)
{
    m_fileName = path;
    m_tags = tags;
    m_tagSource = TagSource::FileName;
}

QString MP3File::Title() const
{
    return trimSpaces(m_tags.Title);
}
QString MP3File::Artist() const
{
    return trimSpaces(m_tags.Artist);
}
QString MP3File::Album() const
{
    return trimSpaces(m_tags.Album);
}
QString MP3File::Year() const
{
    return trimSpaces(m_tags.Year);
}
QString MP3File::Comment() const
{
    return trimSpaces(m_tags.Comment);
}
QString MP3File::Genre() const
{
    return trimSpaces(m_tags.Genre);
}
QString MP3File::Track() const
{
    return trimSpaces(m_tags.Track);
}
