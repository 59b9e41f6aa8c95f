#include "editor/TrackNumberValidator.h"

#include <algorithm>

QValidator::State TrackNumberValidator::validate(QString &input, int &) const
{
    const bool digitsOnly = std::ranges::all_of(input, [](QChar c) { return c >= u'0' && c <= u'9'; });
    // Past nine digits the number would not fit an int; no maximum is that large.
    constexpr qsizetype kMostDigits = 9;
    if (!digitsOnly || input.size() > kMostDigits)
        return Invalid;
    return input.isEmpty() || input.toInt() <= m_maximum ? Acceptable : Invalid;
}
