#include "track/ID3TagBlock.h"

#include "track/GenreNames.h"
#include "track/Windows1252.h"

namespace {

constexpr QByteArrayView kMagic = "TAG";

// One byte per character, as many characters as fit: a surrogate pair is one character.
QByteArray toFieldBytes(const QString &text, qsizetype width)
{
    QByteArray bytes;
    bytes.reserve(width);
    for (qsizetype i = 0; i < text.size() && bytes.size() < width; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append(char(Windows1252::fromChar(c).value_or('?')));
    }
    bytes.append(width - bytes.size(), ' ');
    return bytes;
}

} // namespace

ID3TagBlock::ID3TagBlock()
    : m_bytes(Size, ' ')
{
    m_bytes.replace(0, kMagic.size(), kMagic);
    setGenre(GenreNames::None);
}

ID3TagBlock::ID3TagBlock(QByteArrayView bytes)
    : m_bytes(bytes.toByteArray())
{ }

std::optional<ID3TagBlock> ID3TagBlock::fromBytes(QByteArrayView bytes)
{
    if (bytes.size() != Size || !bytes.startsWith(kMagic))
        return std::nullopt;
    return ID3TagBlock(bytes);
}

bool ID3TagBlock::canHold(QChar c)
{
    const bool isC1Control = c.unicode() >= 0x80 && c.unicode() <= 0x9f;
    return !isC1Control && Windows1252::fromChar(c).has_value();
}

QString ID3TagBlock::text(Field field) const
{
    QString text(field.width, Qt::Uninitialized);
    QChar *out = text.data();
    for (const char byte : QByteArrayView(m_bytes).sliced(field.offset, field.width))
        *out++ = Windows1252::toChar(quint8(byte));
    return text;
}

void ID3TagBlock::setText(Field field, const QString &text)
{
    m_bytes.replace(field.offset, field.width, toFieldBytes(text, field.width));
}

QString ID3TagBlock::Title() const
{
    return text(TitleField);
}
void ID3TagBlock::setTitle(const QString &text)
{
    setText(TitleField, text);
}
QString ID3TagBlock::Artist() const
{
    return text(ArtistField);
}
void ID3TagBlock::setArtist(const QString &text)
{
    setText(ArtistField, text);
}
QString ID3TagBlock::Album() const
{
    return text(AlbumField);
}
void ID3TagBlock::setAlbum(const QString &text)
{
    setText(AlbumField, text);
}
QString ID3TagBlock::Year() const
{
    return text(YearField);
}
void ID3TagBlock::setYear(const QString &text)
{
    setText(YearField, text);
}
QString ID3TagBlock::Comment() const
{
    return text(CommentField);
}
void ID3TagBlock::setComment(const QString &text)
{
    setText(CommentField, text);
}
quint8 ID3TagBlock::Genre() const
{
    return quint8(m_bytes[GenreOffset]);
}
void ID3TagBlock::setGenre(quint8 genre)
{
    m_bytes[GenreOffset] = char(genre);
}

quint8 ID3TagBlock::Track() const
{
    return m_bytes[TrackMarkOffset] == '\0' ? quint8(m_bytes[TrackOffset]) : 0;
}

bool ID3TagBlock::setTrack(quint8 track)
{
    const bool holdsTrack = m_bytes[TrackMarkOffset] == '\0';
    const bool blank = m_bytes[TrackMarkOffset] == ' ' && m_bytes[TrackOffset] == ' ';
    if (!holdsTrack && !blank)
        return track == 0;
    m_bytes[TrackMarkOffset] = track == 0 ? ' ' : '\0';
    m_bytes[TrackOffset] = track == 0 ? ' ' : char(track);
    return true;
}

void ID3TagBlock::keepTrackOf(const ID3TagBlock &replaced)
{
    if (const quint8 track = replaced.Track(); track != 0)
        setTrack(track);
}

TagFields ID3TagBlock::toTagFields() const
{
    return TagFields {
        .Title = Title(),
        .Artist = Artist(),
        .Album = Album(),
        .Comment = Comment(),
        .Year = Year(),
        .Genre = GenreNames::name(Genre()),
        .Track = Track() == 0 ? QString() : QString::number(Track()),
    };
}
