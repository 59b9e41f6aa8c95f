#include "editor/TrackNumberValidator.h"

#include "track/AsciiNumber.h"

QValidator::State TrackNumberValidator::validate(QString &input, int &) const
{
    if (input.isEmpty())
        return Acceptable;
    return isAsciiNumber(input) && input.toInt() <= m_maximum ? Acceptable : Invalid;
}
