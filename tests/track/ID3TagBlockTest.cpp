#include "track/ID3TagBlock.h"
#include "support/TempFolder.h"
#include "track/GenreNames.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Each text is cut to its width or padded with spaces, one Latin-1 byte per character.
TEST(ID3TagBlock, EncodesEveryFieldAtItsOffset)
{
    EXPECT_EQ(ID3TagBlock().bytes(), tagBlockBytes("", "", "", "", "", GenreNames::None, ' '));

    ID3TagBlock block;
    block.setTitle(u"Song"_s);
    block.setArtist(u"Band"_s);
    block.setAlbum(u"Album"_s);
    block.setYear(u"1980"_s);
    block.setComment(u"Note"_s);
    block.setGenre(17);
    EXPECT_EQ(block.bytes(), tagBlockBytes("Song", "Band", "Album", "1980", "Note", 17, ' '));

    block.setTitle(u"1234567890123456789012345678901"_s);
    block.setArtist(u"Motörhead"_s);
    block.setAlbum(u"日\U0001F600b"_s); // the second character lies outside the BMP
    block.setYear(u"19801"_s);
    block.setComment(QString());
    EXPECT_EQ(
        block.bytes(), tagBlockBytes("123456789012345678901234567890", "Mot\xf6rhead", "??b", "1980", "", 17, ' '));
    EXPECT_EQ(block.Artist().left(9), u"Motörhead"_s);
}

TEST(ID3TagBlock, DecodesFieldsWholeWithNulsKept)
{
    const QByteArray bytes = tagBlockBytes("Song", "Band", "", "1980", "", 0);
    const auto block = ID3TagBlock::fromBytes(bytes);
    ASSERT_TRUE(block);
    const TagFields tags = block->toTagFields();
    EXPECT_EQ(tags.Title, u"Song"_s + QString(26, QChar(u'\0')));
    EXPECT_EQ(tags.Artist.size(), 30);
    EXPECT_EQ(tags.Year, u"1980"_s);
    EXPECT_EQ(tags.Album, QString(30, QChar(u'\0')));
    EXPECT_EQ(tags.Genre, u"Blues"_s);
}

TEST(ID3TagBlock, RefusesBytesThatAreNoBlock)
{
    QByteArray lowerCase = tagBlockBytes("Song", "", "", "", "", 0);
    lowerCase.replace(0, 3, "tag");
    EXPECT_FALSE(ID3TagBlock::fromBytes(lowerCase));
    EXPECT_FALSE(ID3TagBlock::fromBytes(tagBlockBytes("Song", "", "", "", "", 0).chopped(1)));
    EXPECT_FALSE(ID3TagBlock::fromBytes(tagBlockBytes("Song", "", "", "", "", 0) + ' '));
}

TEST(ID3TagBlock, GenreByteNamesTheTableEntryOrNothing)
{
    const struct
    {
        quint8 byte;
        QString name;
    } cases[] = {
        {0, u"Blues"_s},
        {1, u"Classic Rock"_s},
        {67, u"Phychedelic"_s},
        {117, u"power Ballad"_s},
        {131, u"indie"_s},
        {140, u"Comteporary Christian"_s},
        {147, u"Synth Pop"_s},
        {148, QString()},
        {200, QString()},
        {255, QString()},
    };
    for (const auto &c : cases) {
        const auto block = ID3TagBlock::fromBytes(tagBlockBytes("", "", "", "", "", c.byte));
        ASSERT_TRUE(block);
        EXPECT_EQ(block->Genre(), c.byte);
        EXPECT_EQ(block->toTagFields().Genre, c.name) << "genre byte " << int(c.byte);
    }
    EXPECT_EQ(GenreNames::name(-1), QString());
}

// A block written over an ID3v1.1 block keeps its track number while the new comment leaves
// the last two bytes blank; a longer comment takes them.
TEST(ID3TagBlock, KeepsTheTrackNumberOfTheBlockItReplaces)
{
    const QByteArray note28(28, 'n');
    const struct
    {
        QByteArray onDisk;
        quint8 trackOnDisk;
        QString comment;
        quint8 trackKept;
    } cases[] = {
        {withTrack(tagBlockBytes("Song", "", "", "", "Old", 0), 5), 5, u"Note"_s, 5},
        {withTrack(tagBlockBytes("Song", "", "", "", "", 0), 255), 255, QString::fromLatin1(note28), 255},
        {withTrack(tagBlockBytes("Song", "", "", "", "", 0), 5), 5, QString::fromLatin1(note28 + "n"), 0},
        {withTrack(tagBlockBytes("Song", "", "", "", "", 0), 0), 0, u"Note"_s, 0}, // a NUL pair: no track
        {tagBlockBytes("Song", "", "", "", "Old comment 30 characters long", 0), 0, u"Note"_s, 0},
    };
    for (const auto &c : cases) {
        const auto onDisk = ID3TagBlock::fromBytes(c.onDisk);
        ASSERT_TRUE(onDisk);
        EXPECT_EQ(onDisk->Track(), c.trackOnDisk);
        ID3TagBlock block;
        block.setComment(c.comment);
        block.keepTrackOf(*onDisk);
        const QString comment = c.trackKept ? c.comment.leftJustified(28) + QChar(u'\0') + QChar(char16_t(c.trackKept))
                                            : c.comment.leftJustified(30, u' ', true);
        EXPECT_EQ(block.Comment(), comment) << c.comment.toStdString();
    }
}
