#include "naming/FileNameCleaning.h"
#include "naming/NamePattern.h"
#include "naming/NewFileNameBuilder.h"
#include "naming/ProperCase.h"
#include "support/TempFolder.h"
#include "track/MP3File.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

struct NameCase
{
    int convention;
    bool markedBefore;
    QByteArray title, artist, album, year;
    quint8 genre;
    QString expectedName;
    bool markedAfter;
};

QString buildName(const NameCase &c, const IllegalCharList &illegalChars)
{
    TempFolder folder;
    MP3File file;
    file.setFileName(folder.write(u"Present.MP3"_s, tagBlockBytes(c.title, c.artist, c.album, c.year, "", c.genre)));
    file.setIsMissingTags(c.markedBefore);
    const QString name = BuildNewFileName(file, {c.convention, std::nullopt}, illegalChars);
    EXPECT_EQ(file.IsMissingTags(), c.markedAfter) << name.toStdString();
    return name;
}

const QByteArray kNuls(30, '\0');
constexpr quint8 kNoGenre = 255;

} // namespace

TEST(NewFileName, FollowsTheConventionAndMarksMissingTags)
{
    IllegalCharList illegalChars;
    FillIllegalChars(illegalChars);
    // clang-format off
    const NameCase cases[] = {
        {0, false, "time", "pink floyd", "", "", kNoGenre, u"Pink Floyd - Time.mp3"_s, false},
        {1, false, "back in black", "AC/DC", "", "1980", kNoGenre, u"AC DC - Back In Black (1980).mp3"_s, false},
        {1, false, "back in black", "AC/DC", "", "", kNoGenre, u"AC DC - Back In Black.mp3"_s, false},
        {2, false, "Title", "Artist", "", "", kNoGenre, u"Title - Artist.mp3"_s, false},
        {3, false, "Title", "Artist", "best of", "", kNoGenre, u"Best Of - Artist - Title.mp3"_s, false},
        {4, false, "Title", "Artist", "Album", "1999", kNoGenre, u"Album - Artist - Title (1999).mp3"_s, false},
        {5, false, "Title", "Artist", "", "", 17, u"Rock - Artist - Title.mp3"_s, false},
        {6, false, "Title", "Artist", "", "1980", kNoGenre, u"1980 - Artist - Title.mp3"_s, false},
        {6, false, "Title", "Artist", "", "", kNoGenre, u"Artist - Title.mp3"_s, false},
        {-1, false, "Title", "Artist", "", "1980", kNoGenre, u"Artist - Title.mp3"_s, false},
        {99, false, "Title", "Artist", "", "1980", kNoGenre, u"Artist - Title.mp3"_s, false},
        // A missing field marks the file; once marked, later guarded fields go in uncleaned.
        {0, false, "", "Artist", "", "", kNoGenre, u"Artist - .mp3"_s, true},
        {3, false, "what?", "", "best/of", "", kNoGenre, u"Best Of -  - What?.mp3"_s, true},
        {0, true, "What?", "AC/DC", "", "", kNoGenre, u"AC DC - What?.mp3"_s, true},
        {5, false, "Title", "Artist", "", "", kNoGenre, u" - Artist - Title.mp3"_s, true},
        {0, false, kNuls, "Artist", "", "", kNoGenre, u"Artist - .mp3"_s, true},
        // A field ends at its first NUL: what follows is left over from a longer value.
        {0, false, QByteArray("12345\0junk", 10), QByteArray("Band \0junk", 10), "", QByteArray("19\0x", 4), kNoGenre,
            u"Band - 12345.mp3"_s, false},
        {1, false, QByteArray("\0junk", 5), "Band", "", QByteArray("\0" "199", 4), kNoGenre, u"Band - .mp3"_s, true},
        // A part that cleans to blanks names nothing, alone or beside others.
        {0, false, "///", "?", "", "", kNoGenre, u"  -    .mp3"_s, true},
        {1, false, "\xa0", "*", "", "1980", kNoGenre, u"  - \u00a0 (1980).mp3"_s, true},
        {0, false, "?", "Band", "", "", kNoGenre, u"Band -  .mp3"_s, true},
        // Cleaning: illegal characters become spaces; NULs and CR LF pairs go; the year too.
        {0, false, "Hello\r\nworld", "Artist", "", "", kNoGenre, u"Artist - Helloworld.mp3"_s, false},
        {0, false, "a\\b/c:d*e?f\"g<h>i|j", "Artist", "", "", kNoGenre, u"Artist - A B C D E F G H I J.mp3"_s, false},
        {1, false, "Title", "Artist", "", "../x", kNoGenre, u"Artist - Title (.. x).mp3"_s, false},
        {1, false, "Title", "Artist", "", QByteArray("19\0\0", 4), kNoGenre, u"Artist - Title (19).mp3"_s, false},
        {6, false, "Title", "Artist", "", QByteArray(4, '\0'), kNoGenre, u"Artist - Title.mp3"_s, false},
        // A name stays visible and on one line: no leading ".", no control characters.
        {6, false, "Title", "Artist", "", ".", kNoGenre, u"_ - Artist - Title.mp3"_s, false},
        {0, false, "Line\nfeed\ttab\x7f\x01", "Artist", "", "", kNoGenre, u"Artist - Line Feed Tab  .mp3"_s, false},
        // Bytes 0x80 to 0x9F are Windows-1252 text; the five it leaves undefined stay control
        // characters. Latin-1 letters stay.
        {0, false, "Don\x92t Stop \x85", "B\xe4nd \x80", "", "", kNoGenre,
            u"B\u00e4nd \u20ac - Don\u2019t Stop \u2026.mp3"_s, false},
        {0, false, "a\x81" "b\x8d\x8f\x90\x9d", "Artist", "", "", kNoGenre, u"Artist - A B    .mp3"_s, false},
    };
    // clang-format on
    for (const NameCase &c : cases)
        EXPECT_EQ(buildName(c, illegalChars), c.expectedName);

    // Before the list is filled, nothing is replaced.
    EXPECT_EQ(buildName({0, false, "what?", "AC/DC", "", "", 0, {}, false}, {}), u"AC/DC - What?.mp3"_s);

    // Control characters from an ID3v2 tag, whose text may hold any character, go the same way.
    MP3File file;
    file.setFileName(u"a.mp3"_s, TagFields {u"Next\u0085Line\u009f"_s, u"Band\u0080"_s, {}, {}, {}, {}});
    EXPECT_EQ(BuildNewFileName(file, {}, illegalChars), u"Band  - Next Line .mp3"_s);
}

TEST(ProperCase, UpperCasesWordStartsOnly)
{
    EXPECT_EQ(ProperCase(u"élan  mIxEd a-b c_d trailing "_s), u"Élan  MIxEd A-b C_d Trailing "_s);
    EXPECT_EQ(ProperCase(u"\U00010428 x"_s), u"\U00010400 X"_s); // a letter outside the BMP
}

namespace {

NameChoice pattern(const char16_t *text)
{
    return {0, NamePattern(QString::fromUtf16(text))};
}

const TagFields kTime {u"time"_s, u"pink floyd"_s, u"the dark side of the moon"_s, {}, u"1973"_s, u"Rock"_s, u"3/12"_s};

TagFields with(TagFields tags, QString TagFields::*field, const QString &value)
{
    tags.*field = value;
    return tags;
}

} // namespace

// The track conventions and own patterns against tracks stored as "3/12", not at all, as the
// highest ID3v1.1 byte, as no number; a title with "/" and "."; an empty album; Latin-1 and
// Greek text.
TEST(NewFileName, TrackConventionsAndOwnPatterns)
{
    IllegalCharList illegalChars;
    FillIllegalChars(illegalChars);
    const NameChoice trackTitle {7, std::nullopt};
    const NameChoice albumTrack {8, std::nullopt};
    const struct
    {
        NameChoice choice;
        TagFields tags;
        QString expected;
        bool marked;
    } cases[] = {
        {trackTitle, kTime, u"03 - Time.mp3"_s, false},
        {trackTitle, with(kTime, &TagFields::Track, u"255"_s), u"255 - Time.mp3"_s, false},
        {trackTitle, with(kTime, &TagFields::Track, u" 007 "_s), u"07 - Time.mp3"_s, false},
        {trackTitle, with(kTime, &TagFields::Track, {}), u" - Time.mp3"_s, true},
        {trackTitle, with(kTime, &TagFields::Track, u"A1"_s), u" - Time.mp3"_s, true},
        {trackTitle, with(kTime, &TagFields::Track, u"0/12"_s), u" - Time.mp3"_s, true},
        {trackTitle, with(kTime, &TagFields::Title, u"ac/dc. live"_s), u"03 - Ac Dc. Live.mp3"_s, false},
        {albumTrack, kTime, u"Pink Floyd - The Dark Side Of The Moon - 03 - Time.mp3"_s, false},
        {albumTrack, with(kTime, &TagFields::Album, {}), u"Pink Floyd -  - 03 - Time.mp3"_s, true},
        {albumTrack, with(kTime, &TagFields::Artist, u"björk"_s),
            u"Björk - The Dark Side Of The Moon - 03 - Time.mp3"_s, false},
        {pattern(u"<Year> <Album> - <Track>. <Title>"), kTime, u"1973 The Dark Side Of The Moon - 03. Time.mp3"_s,
            false},
        {pattern(u"<track>.<TITLE>"), with(kTime, &TagFields::Title, u"a.b/c"_s), u"03.A.b C.mp3"_s, false},
        {pattern(u"<Artist>: <Title> <Genre>?"), kTime, u"Pink Floyd  Time Rock .mp3"_s, false},
        {pattern(u"<Artist> - <Title>"), with(kTime, &TagFields::Artist, u"ελένη"_s), u"Ελένη - Time.mp3"_s, false},
        {pattern(u".<Title>"), kTime, u"_Time.mp3"_s, false},
        // A field the pattern uses and the file lacks marks it; the year too.
        {pattern(u"<Title> (<Year>)"), with(kTime, &TagFields::Year, {}), u"Time ().mp3"_s, true},
        {pattern(u"<Album> - <Title>"), with(kTime, &TagFields::Album, u"?"_s), u"  - Time.mp3"_s, true},
        {pattern(u"<Title>"), with(kTime, &TagFields::Title, {}), u"_.mp3"_s, true},
    };
    for (const auto &c : cases) {
        MP3File file;
        file.setFileName(u"a.mp3"_s, c.tags);
        EXPECT_EQ(BuildNewFileName(file, c.choice, illegalChars), c.expected);
        EXPECT_EQ(file.IsMissingTags(), c.marked) << c.expected.toStdString();
    }

    // An ID3v1.1 block's track byte, as other taggers write it.
    TempFolder folder;
    MP3File file;
    file.setFileName(folder.write(u"a.mp3"_s, withTrack(tagBlockBytes("Time", "Band", "", "", "", 0), 9)));
    EXPECT_EQ(BuildNewFileName(file, trackTitle, illegalChars), u"09 - Time.mp3"_s);
}

// A pattern names files only with a known field, without "/"; "<" and ">" around anything
// but a word are text.
TEST(NamePattern, RefusesWhatCannotNameFiles)
{
    using enum NamePattern::Fault;
    const struct
    {
        const char16_t *text;
        NamePattern::Fault fault;
        QString unknownField;
    } cases[] = {
        {u"<Title>", None, {}},
        {u"<TRACK>. <title> < > <1>", None, {}},
        {u"", NoField, {}},
        {u"Title - Artist", NoField, {}},
        {u"<Artist>/<Title>", HoldsSlash, {}},
        {u"<Title> <Titel> <Disc>", UnknownField, u"Titel"_s},
    };
    for (const auto &c : cases) {
        const NamePattern parsed(QString::fromUtf16(c.text));
        EXPECT_EQ(parsed.fault(), c.fault) << QString::fromUtf16(c.text).toStdString();
        EXPECT_EQ(parsed.unknownField(), c.unknownField);
    }
}
