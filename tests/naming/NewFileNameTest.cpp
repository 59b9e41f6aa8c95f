#include "naming/FileNameCleaning.h"
#include "naming/NamingConventions.h"
#include "naming/NewFileNameBuilder.h"
#include "naming/ProperCase.h"
#include "support/TempFolder.h"
#include "track/GenreNames.h"
#include "track/MP3File.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct NameCase
{
    const char *what;
    int convention;
    QByteArray title;
    QByteArray artist;
    QByteArray album = {};
    QByteArray year = {};
    quint8 genre = GenreNames::None;
    bool markedBefore = false;
    QString expectedName = {};
    bool markedAfter = false;
};

void PrintTo(const NameCase &c, std::ostream *out)
{
    *out << c.what;
}

IllegalCharList filledIllegalChars()
{
    IllegalCharList chars;
    FillIllegalChars(chars);
    return chars;
}

class NewFileName : public testing::TestWithParam<NameCase>
{
};

} // namespace

TEST_P(NewFileName, IsBuiltFromTheTagUnderTheConvention)
{
    const NameCase &c = GetParam();
    TempFolder folder;
    MP3File file;
    file.setFileName(
        folder.write(u"Present Name.MP3"_s, tagBlockBytes(c.title, c.artist, c.album, c.year, "", c.genre)));
    file.setIsMissingTags(c.markedBefore);

    EXPECT_EQ(BuildNewFileName(file, c.convention, filledIllegalChars()), c.expectedName);
    EXPECT_EQ(file.IsMissingTags(), c.markedAfter);
}

const QByteArray kNuls(30, '\0');

INSTANTIATE_TEST_SUITE_P(Conventions, NewFileName,
    testing::Values(NameCase {.what = "0 capitalises",
                        .convention = 0,
                        .title = "time",
                        .artist = "pink floyd",
                        .expectedName = u"Pink Floyd - Time.mp3"_s},
        NameCase {.what = "1 with year",
            .convention = 1,
            .title = "back in black",
            .artist = "AC/DC",
            .year = "1980",
            .expectedName = u"AC DC - Back In Black (1980).mp3"_s},
        NameCase {.what = "1 without year",
            .convention = 1,
            .title = "back in black",
            .artist = "AC/DC",
            .expectedName = u"AC DC - Back In Black.mp3"_s},
        NameCase {.what = "2",
            .convention = 2,
            .title = "Title",
            .artist = "Artist",
            .expectedName = u"Title - Artist.mp3"_s},
        NameCase {.what = "3",
            .convention = 3,
            .title = "Title",
            .artist = "Artist",
            .album = "best of",
            .expectedName = u"Best Of - Artist - Title.mp3"_s},
        NameCase {.what = "4",
            .convention = 4,
            .title = "Title",
            .artist = "Artist",
            .album = "Album",
            .year = "1999",
            .expectedName = u"Album - Artist - Title (1999).mp3"_s},
        NameCase {.what = "5",
            .convention = 5,
            .title = "Title",
            .artist = "Artist",
            .genre = 17,
            .expectedName = u"Rock - Artist - Title.mp3"_s},
        NameCase {.what = "6 with year",
            .convention = 6,
            .title = "Title",
            .artist = "Artist",
            .year = "1980",
            .expectedName = u"1980 - Artist - Title.mp3"_s},
        NameCase {.what = "6 without year",
            .convention = 6,
            .title = "Title",
            .artist = "Artist",
            .expectedName = u"Artist - Title.mp3"_s},
        NameCase {.what = "nothing selected",
            .convention = -1,
            .title = "Title",
            .artist = "Artist",
            .year = "1980",
            .expectedName = u"Artist - Title.mp3"_s},
        NameCase {.what = "unknown index",
            .convention = 7,
            .title = "Title",
            .artist = "Artist",
            .year = "1980",
            .expectedName = u"Artist - Title.mp3"_s}));

INSTANTIATE_TEST_SUITE_P(MissingTags, NewFileName,
    testing::Values(NameCase {.what = "0 empty title",
                        .convention = 0,
                        .title = "",
                        .artist = "Artist",
                        .expectedName = u"Artist - .mp3"_s,
                        .markedAfter = true},
        NameCase {.what = "3 empty artist: later guarded title uncleaned",
            .convention = 3,
            .title = "what?",
            .artist = "",
            .album = "best/of",
            .expectedName = u"Best Of -  - What?.mp3"_s,
            .markedAfter = true},
        NameCase {.what = "0 marked before: title uncleaned, artist cleaned",
            .convention = 0,
            .title = "What?",
            .artist = "AC/DC",
            .markedBefore = true,
            .expectedName = u"AC DC - What?.mp3"_s,
            .markedAfter = true},
        NameCase {.what = "5 no genre",
            .convention = 5,
            .title = "Title",
            .artist = "Artist",
            .expectedName = u" - Artist - Title.mp3"_s,
            .markedAfter = true},
        NameCase {.what = "field of NULs counts as empty",
            .convention = 0,
            .title = kNuls,
            .artist = "Artist",
            .expectedName = u"Artist - .mp3"_s,
            .markedAfter = true},
        NameCase {.what = "year is never needed",
            .convention = 1,
            .title = "Title",
            .artist = "Artist",
            .expectedName = u"Artist - Title.mp3"_s}));

INSTANTIATE_TEST_SUITE_P(Cleaning, NewFileName,
    testing::Values(NameCase {.what = "illegal character leaves a space",
                        .convention = 0,
                        .title = "Who Are You?",
                        .artist = "The Who",
                        .expectedName = u"The Who - Who Are You .mp3"_s},
        NameCase {.what = "space before NUL padding stays",
            .convention = 0,
            .title = QByteArray("Song \0\0\0", 8),
            .artist = "Artist",
            .expectedName = u"Artist - Song .mp3"_s},
        NameCase {.what = "CR LF removed",
            .convention = 0,
            .title = "Hello\r\nworld",
            .artist = "Artist",
            .expectedName = u"Artist - Helloworld.mp3"_s},
        NameCase {.what = "every illegal character",
            .convention = 0,
            .title = "a\\b/c:d*e?f\"g<h>i|j",
            .artist = "Artist",
            .expectedName = u"Artist - A B C D E F G H I J.mp3"_s},
        NameCase {.what = "year cannot leave the folder",
            .convention = 1,
            .title = "Title",
            .artist = "Artist",
            .year = "../x",
            .expectedName = u"Artist - Title (.. x).mp3"_s},
        NameCase {.what = "NULs dropped from the year",
            .convention = 1,
            .title = "Title",
            .artist = "Artist",
            .year = QByteArray("19\0\0", 4),
            .expectedName = u"Artist - Title (19).mp3"_s},
        NameCase {.what = "year of NULs is empty",
            .convention = 6,
            .title = "Title",
            .artist = "Artist",
            .year = QByteArray(4, '\0'),
            .expectedName = u"Artist - Title.mp3"_s}));

TEST(NewFileNameBuilder, ReplacesNothingBeforeTheIllegalCharactersAreFilled)
{
    TempFolder folder;
    MP3File file;
    file.setFileName(folder.write(u"a.mp3"_s, tagBlockBytes("what?", "AC/DC", "", "", "", 0)));
    EXPECT_EQ(BuildNewFileName(file, 0, IllegalCharList {}), u"AC/DC - What?.mp3"_s);
}

TEST(NewFileNameBuilder, ConventionLabelsInListOrder)
{
    EXPECT_EQ(namingConventionLabels(),
        (QStringList {u"Artist - Song Title"_s, u"Artist - Title (Year)"_s, u"Song Title - Artist"_s,
            u"Album - Artist - Song Title"_s, u"Album - Artist - Song Title (Year)"_s, u"Genre - Artist - Song Title"_s,
            u"Year - Artist - Song Title"_s}));
}

TEST(ProperCase, UpperCasesWordStartsOnly)
{
    const std::pair<QString, QString> cases[] = {
        {QString(), QString()}, {u"hello  world"_s, u"Hello  World"_s}, {u"mIxEd"_s, u"MIxEd"_s},
        {u"trailing "_s, u"Trailing "_s}, {u"élan vital"_s, u"Élan Vital"_s}, {u"a-b c_d"_s, u"A-b C_d"_s},
        {u"\U00010428 x"_s, u"\U00010400 X"_s}, // a letter outside the BMP
    };
    for (const auto &[text, expected] : cases)
        EXPECT_EQ(ProperCase(text), expected) << text.toStdString();
}
