#include "naming/NamingConventions.h"

#include <array>

using namespace Qt::StringLiterals;

namespace {

using enum NameField;

const std::array<NamingConvention, NamingConventionCount> &conventions()
{
    static const std::array<NamingConvention, NamingConventionCount> table = {{
        {u"Artist - Song Title"_s, {{Title, true}, {Artist, false}}, {Artist, Title}, YearPlacement::None},
        {u"Artist - Title (Year)"_s, {{Title, true}, {Artist, false}}, {Artist, Title}, YearPlacement::Suffix},
        {u"Song Title - Artist"_s, {{Artist, true}, {Title, false}}, {Title, Artist}, YearPlacement::None},
        {u"Album - Artist - Song Title"_s, {{Artist, true}, {Title, true}, {Album, false}}, {Album, Artist, Title},
            YearPlacement::None},
        {u"Album - Artist - Song Title (Year)"_s, {{Artist, true}, {Title, true}, {Album, false}},
            {Album, Artist, Title}, YearPlacement::Suffix},
        {u"Genre - Artist - Song Title"_s, {{Artist, true}, {Title, true}, {Genre, false}}, {Genre, Artist, Title},
            YearPlacement::None},
        {u"Year - Artist - Song Title"_s, {{Artist, true}, {Title, true}}, {Artist, Title}, YearPlacement::Prefix},
        {u"Track - Song Title"_s, {{Title, true}, {Track, false}}, {Track, Title}, YearPlacement::None},
        {u"Artist - Album - Track - Song Title"_s, {{Artist, true}, {Title, true}, {Album, false}, {Track, false}},
            {Artist, Album, Track, Title}, YearPlacement::None},
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
        labels.append(convention.label);
    return labels;
}
