#include "track/ID3TagBlock.h"
#include "support/TempFolder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// A block written over another takes its ID3v1.1 track number only where it has one (a NUL,
// then the number) and the new comment leaves the last two bytes blank.
TEST(ID3TagBlock, TakesNoTrackNumberTheReplacedBlockLacksOrTheCommentNeedsTheRoomOf)
{
    const std::pair<QByteArray, QString> cases[] = {
        {withTrack(tagBlockBytes("Song", "", "", "", "", 0), 5), QString(29, u'n')},
        {withTrack(tagBlockBytes("Song", "", "", "", "", 0), 0), u"Note"_s}, // a NUL pair: no track
        {tagBlockBytes("Song", "", "", "", "Old comment 30 characters long", 0), u"Note"_s},
    };
    for (const auto &[onDisk, comment] : cases) {
        ID3TagBlock block;
        block.setComment(comment);
        block.keepTrackOf(*ID3TagBlock::fromBytes(onDisk));
        EXPECT_EQ(block.Comment(), comment.leftJustified(30)) << comment.toStdString();
    }
}
