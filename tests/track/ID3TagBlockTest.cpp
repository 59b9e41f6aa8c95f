#include "track/ID3TagBlock.h"
#include "support/TempFolder.h"
#include "track/GenreNames.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Each text is cut to its width or padded with spaces, one Latin-1 byte per character.
TEST(ID3TagBlock, EncodesTextAsLatin1CutToItsWidth)
{
    ID3TagBlock block;
    block.setTitle(u"1234567890123456789012345678901"_s);
    block.setArtist(u"Motörhead"_s);
    block.setAlbum(u"日\U0001F600b"_s); // the second character lies outside the BMP
    block.setYear(u"19801"_s);
    EXPECT_EQ(block.bytes(),
        tagBlockBytes("123456789012345678901234567890", "Mot\xf6rhead", "??b", "1980", "", GenreNames::None, ' '));
}

TEST(ID3TagBlock, RefusesBytesThatAreNoBlock)
{
    const QByteArray block = tagBlockBytes("Song", "", "", "", "", 0);
    for (const QByteArray &bytes : {"tag" + block.sliced(3), block.chopped(1), block + ' '})
        EXPECT_FALSE(ID3TagBlock::fromBytes(bytes));
}

TEST(ID3TagBlock, GenreByteNamesTheTableEntryOrNothing)
{
    const std::pair<quint8, QString> cases[]
        = {{0, u"Blues"_s}, {147, u"Synth Pop"_s}, {148, QString()}, {255, QString()}};
    for (const auto &[byte, name] : cases) {
        const auto block = ID3TagBlock::fromBytes(tagBlockBytes("", "", "", "", "", byte));
        ASSERT_TRUE(block);
        EXPECT_EQ(block->toTagFields().Genre, name) << "genre byte " << int(byte);
    }
    EXPECT_EQ(GenreNames::name(-1), QString());
}

// A block written over an ID3v1.1 block keeps its track number while the new comment leaves
// the last two bytes blank; a longer comment takes them.
TEST(ID3TagBlock, KeepsTheTrackNumberOfTheBlockItReplaces)
{
    const QString note28(28, u'n');
    const struct
    {
        QByteArray onDisk;
        QString comment;
        quint8 trackKept;
    } cases[] = {
        {withTrack(tagBlockBytes("Song", "", "", "", "Old", 0), 255), note28, 255},
        {withTrack(tagBlockBytes("Song", "", "", "", "", 0), 5), note28 + u'n', 0},
        {withTrack(tagBlockBytes("Song", "", "", "", "", 0), 0), u"Note"_s, 0}, // a NUL pair: no track
        {tagBlockBytes("Song", "", "", "", "Old comment 30 characters long", 0), u"Note"_s, 0},
    };
    for (const auto &c : cases) {
        ID3TagBlock block;
        block.setComment(c.comment);
        block.keepTrackOf(*ID3TagBlock::fromBytes(c.onDisk));
        const QString comment
            = c.trackKept ? c.comment + QChar(u'\0') + QChar(char16_t(c.trackKept)) : c.comment.leftJustified(30);
        EXPECT_EQ(block.Comment(), comment) << c.comment.toStdString();
    }
}
