#include "track/TrackNumber.h"

#include "track/TextUpToNul.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// More digits than an int holds are no track anyone numbered.
constexpr qsizetype kMostDigits = 9;

bool isAsciiNumber(QStringView text)
{
    return !text.isEmpty() && text.size() <= kMostDigits
        && std::ranges::all_of(text, [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

int trackNumber(QStringView trackText)
{
    const QString text = fieldText(trackText);
    const QStringView number = QStringView(text).left(text.indexOf(u'/'));
    return isAsciiNumber(number) ? number.toInt() : 0;
}

QString withTrackNumber(QStringView trackText, int number)
{
    if (number <= 0)
        return {};
    const QString text = fieldText(trackText);
    const qsizetype slash = text.indexOf(u'/');
    const bool keepsCount = slash >= 0 && isAsciiNumber(QStringView(text).left(slash));
    return QString::number(number) + (keepsCount ? text.sliced(slash) : QString());
}
