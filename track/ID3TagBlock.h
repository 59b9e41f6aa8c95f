#pragma once

#include "track/TagFields.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>

// The 128-byte ID3v1 block: "TAG", title, artist, album (30 bytes each), year (4),
// comment (30), genre byte. It holds its bytes and nothing else, so what is decoded and
// what is written are the same layout. Text is one Windows-1252 byte per character, full
// width, without terminator: reading keeps every byte (NULs included), writing pads with
// spaces.
class ID3TagBlock
{
public:
    static constexpr qsizetype Size = 128;

    // "TAG", every text field blank, no genre.
    ID3TagBlock();

    // The block in bytes, or nothing unless they are 128 bytes starting with "TAG".
    static std::optional<ID3TagBlock> fromBytes(QByteArrayView bytes);
    const QByteArray &bytes() const { return m_bytes; }

    // Whether c can be stored in a text field: ASCII, U+00A0 to U+00FF and the typographic
    // characters of Windows-1252, but none of U+0080 to U+009F. (The five of them that
    // stand for bytes Windows-1252 leaves undefined are written back as those bytes, so that
    // a field read and written again keeps its bytes; they are no text to enter.)
    static bool canHold(QChar c);

    // A text longer than its field keeps its first characters; a character the block cannot
    // hold is stored as "?".
    QString Title() const;
    void setTitle(const QString &text);
    QString Artist() const;
    void setArtist(const QString &text);
    QString Album() const;
    void setAlbum(const QString &text);
    QString Year() const;
    void setYear(const QString &text);
    QString Comment() const;
    void setComment(const QString &text);
    quint8 Genre() const;
    void setGenre(quint8 genre);

    // The ID3v1.1 track number: the comment's last two bytes, a NUL and the number. 0 when
    // the block holds none.
    quint8 Track() const;
    // Stores track (1 to 255) where the comment leaves room for it, its last two bytes blank
    // or holding a track; 0 gives the comment those bytes back as blanks. False, and nothing
    // changed, when a comment of 29 or 30 characters fills them.
    bool setTrack(quint8 track);
    // Carries the track number of replaced over to this block, which is to take its place
    // on disk, where this block's comment leaves room for it.
    void keepTrackOf(const ID3TagBlock &replaced);

    // The fields as the track record holds them: untrimmed text, the genre as its name, the
    // track number as digits (empty for none).
    TagFields toTagFields() const;

private:
    struct Field
    {
        qsizetype offset;
        qsizetype width;
    };
    static constexpr Field TitleField {3, 30};
    static constexpr Field ArtistField {33, 30};
    static constexpr Field AlbumField {63, 30};
    static constexpr Field YearField {93, 4};
    static constexpr Field CommentField {97, 30};
    static constexpr qsizetype TrackMarkOffset = 125;
    static constexpr qsizetype TrackOffset = 126;
    static constexpr qsizetype GenreOffset = 127;

    explicit ID3TagBlock(QByteArrayView bytes);
    QString text(Field field) const;
    void setText(Field field, const QString &text);

    QByteArray m_bytes;
};
