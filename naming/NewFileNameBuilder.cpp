#include "naming/NewFileNameBuilder.h"

#include "naming/NamingConventions.h"
#include "naming/ProperCase.h"
#include "track/MP3File.h"
#include "track/TextUpToNul.h"

#include <algorithm>
#include <array>

using namespace Qt::StringLiterals;

namespace {

QString fieldValue(const MP3File &file, NameField field)
{
    switch (field) {
    case NameField::Title:
        return file.Title();
    case NameField::Artist:
        return file.Artist();
    case NameField::Album:
        return file.Album();
    case NameField::Genre:
        return file.Genre();
    }
    return {};
}

bool isBlank(const QString &part)
{
    return std::ranges::all_of(part, [](QChar c) { return c.isSpace(); });
}

} // namespace

QString BuildNewFileName(MP3File &file, int conventionIndex, const IllegalCharList &illegalChars)
{
    const NamingConvention &convention = namingConvention(conventionIndex);

    std::array<QString, 4> parts; // by NameField
    for (const NeededField &needed : convention.neededFields) {
        const bool wasMarked = file.IsMissingTags();
        // Text after a NUL is what a longer value left behind; no tool shows it.
        const QString value = fieldText(fieldValue(file, needed.field));
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
    const QString year = CleanFileNamePart(fieldText(file.Year()), illegalChars);
    if (!year.isEmpty() && convention.year == YearPlacement::Suffix)
        name += u" ("_s + year + u')';
    else if (!year.isEmpty() && convention.year == YearPlacement::Prefix)
        name = year + u" - "_s + name;
    // A name starting with "." would hide the file from listings and file managers.
    if (name.startsWith(u'.'))
        name[0] = u'_';
    return name + u".mp3"_s;
}
