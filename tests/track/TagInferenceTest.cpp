#include "track/TagInference.h"
#include "track/SpaceTrim.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct Guess
{
    QString path;
    QString title;
    QString artist;
    QString album;
};

void PrintTo(const Guess &guess, std::ostream *out)
{
    *out << guess.path.toStdString();
}

class TagInference : public testing::TestWithParam<Guess>
{
};

} // namespace

// Compared as the track record shows them: spaces at the ends trimmed.
TEST_P(TagInference, GuessesTitleArtistAndAlbum)
{
    const Guess &expected = GetParam();
    const TagFields tags = GuessTagsFromFileName(expected.path);
    EXPECT_EQ(trimSpaces(tags.Title), expected.title);
    EXPECT_EQ(trimSpaces(tags.Artist), expected.artist);
    EXPECT_EQ(trimSpaces(tags.Album), expected.album);
    EXPECT_EQ(tags.Comment + tags.Year + tags.Genre, QString());
}

INSTANTIATE_TEST_SUITE_P(WorkedExamples, TagInference,
    testing::Values(Guess {u"C:/Music/Song.mp3"_s, u"Song"_s, {}, {}},
        Guess {u"C:/Music/Slow_Dance.mp3"_s, u"Slow Dance"_s, {}, {}},
        Guess {u"C:/Music/Band-Song.mp3"_s, u"Band-Song"_s, {}, {}},
        Guess {u"D:/Band - 01 - Song.mp3"_s, u"Song"_s, u"Band"_s, {}},
        Guess {u"D:/Band - Best Of - 03 - Song.mp3"_s, u"Song"_s, u"Band"_s, u"Best Of"_s},
        Guess {u"D:/Band - 01 - Song_Mix.mp3"_s, u"Song Mix"_s, u"Band"_s, {}},
        Guess {u"D:/(Band) Song.mp3"_s, u"Song"_s, u"Band"_s, {}},
        Guess {u"D:/(Band) - Song.mp3"_s, u"Song"_s, u"Band"_s, {}},
        Guess {u"D:/(Band) Song - Live.mp3"_s, u"Song"_s, u"Band"_s, u"Live"_s},
        Guess {u"D:/(A) - B - C - D.mp3"_s, {}, u"A"_s, u"B"_s},
        Guess {u"C:/MP3/Band/01 - Song.mp3"_s, u"Song"_s, u"Band"_s, {}},
        Guess {u"C:/Music/Band - Song.mp3"_s, {}, u"Music"_s, u"Band"_s},
        Guess {u"C:/My Song.mp3"_s, {}, u"My Song"_s, {}},
        Guess {u"C:/Songs/My Song.mp3"_s, {}, u"Songs"_s, u"My Song"_s}));

INSTANTIATE_TEST_SUITE_P(EdgeCases, TagInference,
    testing::Values(Guess {u"/m/(Intro).mp3"_s, u"(Intro)"_s, {}, {}},
        Guess {u"Band- Song.mp3"_s, {}, u"Band"_s, u"Song"_s}, Guess {u"Band -Song.mp3"_s, {}, u"Band -Song"_s, {}},
        Guess {u"/m/Band - 1985 - Song.mp3"_s, u"Song"_s, u"Band"_s, {}},
        Guess {u"/m/Band (Live) - 01 - Song.mp3"_s, u"Song"_s, u"Band Live"_s, {}},
        Guess {u"/a/b/(A) - B - C - D.mp3"_s, {}, u"A"_s, u"B"_s}, // chain rule, starts with "(": no folding
        Guess {u"Band - Song.mp3"_s, {}, u"Band"_s, u"Song"_s}, // relative, no "/": no folding
        Guess {u"m/Band - +1.5 - Song.mp3"_s, u"Song"_s, u"Band"_s, {}},
        Guess {u"m/Band - 1,000 - Song.mp3"_s, {}, u"Band"_s, u"1,000"_s},
        Guess {u"m/Band - 1e3 - Song.mp3"_s, {}, u"Band"_s, u"1e3"_s},
        Guess {u"m/ 01 -  02 .mp3"_s, {}, {}, {}}, // every part a number
        Guess {u"/m/   .mp3"_s, {}, {}, {}},
        Guess {u"/a/b/ c /x - y.mp3"_s, {}, u"a"_s, u"b"_s})); // folds up to the root

// Shapes that stopped the inference with an error now give a record.
INSTANTIATE_TEST_SUITE_P(FormerFailures, TagInference,
    testing::Values(Guess {u"/music/old.mp3/track"_s, u"track"_s, {}, {}},
        Guess {u"/m/(Live - Song.mp3"_s, {}, u"Live"_s, u"Song"_s}));

TEST(TagInferenceHelpers, CountSeparatorsCountsPiecesMinusOne)
{
    EXPECT_EQ(CountSeparators(QString(), u" "_s), 0);
    EXPECT_EQ(CountSeparators(u"a b  c"_s, u" "_s), 3);
    EXPECT_EQ(CountSeparators(u"a--b"_s, u"-"_s), 2);
    EXPECT_EQ(CountSeparators(u"- - "_s, u"- "_s), 2);
    EXPECT_EQ(CountSeparators(u"aaaa"_s, u"aa"_s), 2);
}

TEST(TagInferenceHelpers, FoldFolderIntoNameJoinsTheLastFolder)
{
    EXPECT_EQ(FoldFolderIntoName(u"C:/MP3/Band/01 - Song.mp3"_s), u"C:/MP3/Band - 01 - Song.mp3"_s);
    EXPECT_EQ(FoldFolderIntoName(u"/a/ Band / Song.mp3"_s), u"/a/ Band - Song.mp3"_s);
}
