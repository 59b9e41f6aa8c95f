#pragma once

#include <QStringView>

#include <algorithm>

// Text that is a number as tags write one: one to nine ASCII digits, which an int always
// holds, without sign or spaces. (QString::toInt alone would also take "+3", " 3" and digits
// of other scripts.)
inline bool isAsciiNumber(QStringView text)
{
    constexpr qsizetype kMostDigits = 9;
    return !text.isEmpty() && text.size() <= kMostDigits
        && std::ranges::all_of(text, [](QChar c) { return c >= u'0' && c <= u'9'; });
}
