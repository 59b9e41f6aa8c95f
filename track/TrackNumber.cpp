#include "track/TrackNumber.h"

#include "track/AsciiNumber.h"
#include "track/TextUpToNul.h"

using namespace Qt::StringLiterals;

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
