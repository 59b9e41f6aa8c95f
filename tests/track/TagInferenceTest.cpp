#include "track/TagInference.h"
#include "support/QtPrinting.h"
#include "track/SpaceTrim.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Title, artist and album guessed from a path, compared as the track record shows them:
// spaces at the ends trimmed.
TEST(TagInference, GuessesTitleArtistAndAlbumFromThePath)
{
    const struct
    {
        QString path;
        QStringList fields; // title, artist, album
    } cases[] = {
        {u"C:/Music/Slow_Dance.mp3"_s, {u"Slow Dance"_s, {}, {}}},
        {u"C:/Music/Band-Song.mp3"_s, {u"Band-Song"_s, {}, {}}},
        {u"D:/Band - Best Of - 03 - Song.mp3"_s, {u"Song"_s, u"Band"_s, u"Best Of"_s}},
        {u"D:/Band - 01 - Song_Mix.mp3"_s, {u"Song Mix"_s, u"Band"_s, {}}},
        {u"D:/(Band) Song.mp3"_s, {u"Song"_s, u"Band"_s, {}}},
        {u"D:/(Band) - Song.mp3"_s, {u"Song"_s, u"Band"_s, {}}},
        {u"D:/(Band) Song - Live.mp3"_s, {u"Song"_s, u"Band"_s, u"Live"_s}},
        {u"C:/MP3/Band/01 - Song.mp3"_s, {u"Song"_s, u"Band"_s, {}}},
        {u"C:/Music/Band - Song.mp3"_s, {{}, u"Music"_s, u"Band"_s}},
        {u"C:/My Song.mp3"_s, {{}, u"My Song"_s, {}}},
        {u"/m/(Intro).mp3"_s, {u"(Intro)"_s, {}, {}}},
        {u"Band- Song.mp3"_s, {{}, u"Band"_s, u"Song"_s}},
        {u"Band -Song.mp3"_s, {{}, u"Band -Song"_s, {}}},
        {u"/m/Band (Live) - 01 - Song.mp3"_s, {u"Song"_s, u"Band Live"_s, {}}},
        {u"/a/b/(A) - B - C - D.mp3"_s, {{}, u"A"_s, u"B"_s}}, // chain rule, starts with "(": no folding
        {u"Band - Song.mp3"_s, {{}, u"Band"_s, u"Song"_s}}, // relative, no "/": no folding
        {u"m/Band - +1.5 - Song.mp3"_s, {u"Song"_s, u"Band"_s, {}}},
        {u"m/Band - 1,000 - Song.mp3"_s, {{}, u"Band"_s, u"1,000"_s}},
        {u"m/Band - 1e3 - Song.mp3"_s, {{}, u"Band"_s, u"1e3"_s}},
        {u"m/ 01 -  02 .mp3"_s, {{}, {}, {}}}, // every part a number
        {u"/m/   .mp3"_s, {{}, {}, {}}},
        {u"/a/b/ c /x - y.mp3"_s, {{}, u"a"_s, u"b"_s}}, // folds up to the root
        {u"/music/old.mp3/track"_s, {u"track"_s, {}, {}}},
        {u"/m/(Live - Song.mp3"_s, {{}, u"Live"_s, u"Song"_s}},
    };
    for (const auto &c : cases) {
        const TagFields tags = GuessTagsFromFileName(c.path);
        EXPECT_EQ(QStringList({trimSpaces(tags.Title), trimSpaces(tags.Artist), trimSpaces(tags.Album)}), c.fields)
            << c.path.toStdString();
    }
}
