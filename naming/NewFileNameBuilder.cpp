#include "naming/NewFileNameBuilder.h"

#include "naming/NamingConventions.h"
#include "naming/ProperCase.h"
#include "track/MP3File.h"
#include "track/TextUpToNul.h"
#include "track/TrackNumber.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

// Two digits at least, so that "03 - Time" sorts before "10 - Us And Them".
QString trackPart(const MP3File &file)
{
    const int track = trackNumber(file.Track());
    return track == 0 ? QString() : u"%1"_s.arg(track, 2, 10, QChar(u'0'));
}

// The field's text up to its first NUL: what follows is what a longer value left behind,
// which no tool shows.
QString fieldValue(const MP3File &file, NameField field)
{
    switch (field) {
    case NameField::Title:
        return fieldText(file.Title());
    case NameField::Artist:
        return fieldText(file.Artist());
    case NameField::Album:
        return fieldText(file.Album());
    case NameField::Genre:
        return fieldText(file.Genre());
    case NameField::Track:
        return trackPart(file);
    case NameField::Year:
        break;
    }
    return fieldText(file.Year());
}

bool isBlank(const QString &part)
{
    return std::ranges::all_of(part, [](QChar c) { return c.isSpace(); });
}

// A name starting with "." would hide the file from listings and file managers; so would
// the bare extension a pattern of empty fields leaves.
QString withExtension(QString name)
{
    if (name.isEmpty())
        name = u"_"_s;
    else if (name.startsWith(u'.'))
        name[0] = u'_';
    return name + u".mp3"_s;
}

QString conventionName(MP3File &file, const NamingConvention &convention, const IllegalCharList &illegalChars)
{
    std::array<QString, NameFieldCount> parts; // by NameField
    for (const NeededField &needed : convention.neededFields) {
        const bool wasMarked = file.IsMissingTags();
        const QString value = fieldValue(file, needed.field);
        const QString cleaned = CleanTagField(value, file, illegalChars);
        parts[size_t(needed.field)] = ProperCase(needed.guarded && wasMarked ? value : cleaned);
    }

    // A field that cleans to nothing but spaces (text the block could not hold, saved as
    // "?") leaves a name that says nothing of it: the file needs that tag as much as when the
    // field is empty.
    if (std::ranges::any_of(convention.layout, [&parts](NameField field) { return isBlank(parts[size_t(field)]); }))
        file.setIsMissingTags(true);

    QString name;
    for (size_t i = 0; i < convention.layout.size(); ++i)
        name += (i > 0 ? u" - "_s : QString()) + parts[size_t(convention.layout[i])];

    // The year never marks a file, but it still goes through the cleaning: a crafted year
    // such as "../x" must not move the file out of its folder.
    const QString year = CleanFileNamePart(fieldValue(file, NameField::Year), illegalChars);
    if (!year.isEmpty() && convention.year == YearPlacement::Suffix)
        name += u" ("_s + year + u')';
    else if (!year.isEmpty() && convention.year == YearPlacement::Prefix)
        name = year + u" - "_s + name;
    return withExtension(name);
}

QString patternName(MP3File &file, const NamePattern &pattern, const IllegalCharList &illegalChars)
{
    QString name;
    bool blankPart = false;
    for (const NamePattern::Piece &piece : pattern.pieces()) {
        if (!piece.field) {
            // The pattern's own text keeps its spaces: " - " stays " - ".
            name += withoutIllegalCharacters(piece.text, illegalChars);
            continue;
        }
        // Every field the pattern uses is needed: the file is marked once one is empty.
        const QString part = CleanTagField(fieldValue(file, *piece.field), file, illegalChars);
        blankPart = blankPart || isBlank(part);
        name += *piece.field == NameField::Year ? part : ProperCase(part);
    }
    if (blankPart)
        file.setIsMissingTags(true);
    return withExtension(name);
}

} // namespace

QString BuildNewFileName(MP3File &file, const NameChoice &choice, const IllegalCharList &illegalChars)
{
    if (choice.ownPattern)
        return patternName(file, *choice.ownPattern, illegalChars);
    return conventionName(file, namingConvention(choice.conventionIndex), illegalChars);
}
