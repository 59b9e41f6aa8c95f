#include "naming/NamingConventions.h"

#include <QCoreApplication>

#include <array>

namespace {

using enum NameField;

const std::array<NamingConvention, NamingConventionCount> &conventions()
{
    static const std::array<NamingConvention, NamingConventionCount> table = {{
        {QT_TRANSLATE_NOOP("NamingConventions", "Artist - Song Title"), {{Title, true}, {Artist, false}},
            {Artist, Title}, YearPlacement::None},
        {QT_TRANSLATE_NOOP("NamingConventions", "Artist - Title (Year)"), {{Title, true}, {Artist, false}},
            {Artist, Title}, YearPlacement::Suffix},
        {QT_TRANSLATE_NOOP("NamingConventions", "Song Title - Artist"), {{Artist, true}, {Title, false}},
            {Title, Artist}, YearPlacement::None},
        {QT_TRANSLATE_NOOP("NamingConventions", "Album - Artist - Song Title"),
            {{Artist, true}, {Title, true}, {Album, false}}, {Album, Artist, Title}, YearPlacement::None},
        {QT_TRANSLATE_NOOP("NamingConventions", "Album - Artist - Song Title (Year)"),
            {{Artist, true}, {Title, true}, {Album, false}}, {Album, Artist, Title}, YearPlacement::Suffix},
        {QT_TRANSLATE_NOOP("NamingConventions", "Genre - Artist - Song Title"),
            {{Artist, true}, {Title, true}, {Genre, false}}, {Genre, Artist, Title}, YearPlacement::None},
        {QT_TRANSLATE_NOOP("NamingConventions", "Year - Artist - Song Title"), {{Artist, true}, {Title, true}},
            {Artist, Title}, YearPlacement::Prefix},
        {QT_TRANSLATE_NOOP("NamingConventions", "Track - Song Title"), {{Title, true}, {Track, false}}, {Track, Title},
            YearPlacement::None},
        {QT_TRANSLATE_NOOP("NamingConventions", "Artist - Album - Track - Song Title"),
            {{Artist, true}, {Title, true}, {Album, false}, {Track, false}}, {Artist, Album, Track, Title},
            YearPlacement::None},
    }};
    return table;
}

} // namespace

const NamingConvention &namingConvention(int index)
{
    const bool known = index >= 0 && index < NamingConventionCount;
    return conventions()[size_t(known ? index : 0)];
}

QStringList namingConventionLabels()
{
    QStringList labels;
    for (const NamingConvention &convention : conventions())
        labels.append(QCoreApplication::translate("NamingConventions", convention.label));
    return labels;
}
