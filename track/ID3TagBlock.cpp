#include "track/ID3TagBlock.h"

#include "track/GenreNames.h"

namespace {

constexpr QByteArrayView kMagic = "TAG";

// One byte per character, as many characters as fit: a surrogate pair is one character.
QByteArray toLatin1Field(const QString &text, qsizetype width)
{
    QByteArray bytes;
    bytes.reserve(width);
    for (qsizetype i = 0; i < text.size() && bytes.size() < width; ++i) {
        const QChar c = text[i];
        if (c.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate())
            ++i;
        bytes.append(c.unicode() <= 0xff ? char(c.unicode()) : '?');
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

QString ID3TagBlock::text(Field field) const
{
    return QString::fromLatin1(QByteArrayView(m_bytes).sliced(field.offset, field.width));
}

void ID3TagBlock::setText(Field field, const QString &text)
{
    m_bytes.replace(field.offset, field.width, toLatin1Field(text, field.width));
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

void ID3TagBlock::keepTrackOf(const ID3TagBlock &replaced)
{
    const quint8 track = replaced.Track();
    if (track == 0 || m_bytes[TrackMarkOffset] != ' ' || m_bytes[TrackOffset] != ' ')
        return;
    m_bytes[TrackMarkOffset] = '\0';
    m_bytes[TrackOffset] = char(track);
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
    };
}
